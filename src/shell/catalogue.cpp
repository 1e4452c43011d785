#include "shell/catalogue.h"

namespace sylvandra {
namespace {

// A button position this chapter leaves empty.
constexpr SubExerciseButton kNoButton{};

constexpr std::string_view kUnderConstructionTitle = "This Exercise is Still Under Construction";
constexpr int kUnderConstructionBlanks = 137;

// Rows by Select index. The menu lists them by chapter number (menuRow), not by index.
constexpr std::array<ChapterEntry, kChapterCount> kCatalogue = {{
    // Select(0)
    {.menuCaption = "Chapter   5 - Residence Time and Turnover Rate",
     .menuRow = 2,
     .title = "Residence Time and Turnover Rates",
     .blankRun = 49,
     .body = "All three problems in this exercise require you to run a simple model of soil "
             "organic matter dynamics.  You set the initial pool, the annual inputs and the "
             "turnover rate, then find how long the pool takes to reach equilibrium and "
             "what controls its final size.",
     .continueWindow = "Ex0Ask"},
    // Select(1)
    {.menuCaption = "Chapter   8 - Optimizing Whole Canopy Photosynthesis",
     .menuRow = 5,
     .title = "Optimizing Whole Canopy Photosynthesis",
     .blankRun = 43,
     .body = "Total photosynthesis in canopies can be constrained either by light, water of "
             "photosynthetic potential (nitrogen concentration).  You will build a canopy "
             "of up to five layers, choosing a tree or shrub species for each, and run a "
             "100-day simulation of photosynthesis and water use at one of four locations.  "
             "Your aim is to find the combination of species and layers that gives the most "
             "net photosynthesis for every climate, and to explain which resource limits it "
             "in each.",
     .continueWindow = "Ex1Ask"},
    // Select(2)
    {.menuCaption = "Chapter   9 - Soil Chemistry and Watershed Acidification",
     .menuRow = 6,
     .title = "Soil Chemistry and Watershed Acidification",
     .blankRun = 39,
     .body = "How will different levels of acidification in rainfall affect stream water "
             "chemistry in two different watersheds?  The first two parts provide the "
             "tools: converting between grams, moles and equivalents of common ions, and "
             "calculating how pH and carbon dioxide control dissolved aluminum and "
             "bicarbonate.  In the third part, you load two contrasting watersheds, apply "
             "acid deposition for up to 300 years, and compare how weathering and cation "
             "exchange buffer the soils and the streams below.",
     .buttons = {{{"Concentration Units", "Ex2aAsk"},
                  {"Buffering Reactions", "Ex2bAsk"},
                  {"Watershed Experiments", "Ex2cAsk"}}}},
    // Select(3)
    {.menuCaption = "Chapter 10 - Disturbance and the Nitrogen Cycle",
     .menuRow = 7,
     .title = "Distrubance and the Nitrogen Cycle",
     .blankRun = 52,
     .body = "What controls the loss of nitrate from disturbed forests?  You will run a "
             "40-year model of the nitrogen cycle for two preset ecosystems, harvest the "
             "vegetation, and follow the soil, plant, ammonium and nitrate pools.  It asks "
             "you how uptake, mineralization and the growth of nitrifiers combine to set "
             "nitrate losses.",
     .continueWindow = "Ex3Ask"},
    // Select(4)
    {.menuCaption = "Chapter 12/13 - Litter Decomposition and Soil Organic Matter Formation",
     .menuRow = 9,
     .title = "Litter Decomposition and Soil Organic Matter Formation",
     .blankRun = 22,
     .body = "What types of litter will decay the fastest?  You will set the extractives, "
             "cellulose, lignin and nitrogen content of a litter and follow its mass and "
             "nitrogen over five years of decay.  Then you will add that litter to the soil "
             "every year to see how soil organic matter builds up and how much nitrogen is "
             "released.",
     .buttons = {{{"Decomposition Experiments", "Ex41Ask"},
                  kNoButton,
                  {"Soil Organic Matter Balances", "EX42Ask"}}}},
    // Select(5)
    {.menuCaption = "Chapter 16 - Moose and Wolves at Isle Royale",
     .menuRow = 11,
     .title = "Moose and Wolves at Isle Royale",
     .blankRun = 55,
     .body = "Does Predation stabilize or destabilize population levels of prey?  You will "
             "follow a model of an island food chain from 1880, in which moose and later "
             "wolves arrive and plants, moose and wolves interact through births and deaths "
             "that depend on body condition.  Add hunting or random variation and see what "
             "steadies the cycles.",
     .continueWindow = "Ex5Ask"},
    // Select(6)
    {.menuCaption = "Chapter 17 - Managing the Giant Sequoias",
     .menuRow = 12,
     .title = "Fire Management and the Giant Sequoias",
     .blankRun = 45,
     .body = "This exercise puts you in the 'hot seat' managing a national treasure.  A "
             "grove of giant sequoias is laid out as a map of 800 stands, each carrying a "
             "fuel load and an understory that grow every year.  Starting in 1880, you "
             "choose a fire management policy and run the grove year by year while fires "
             "start at random, burn as surface fires and spread to neighbors.  Where fuel "
             "or understory has built up too high, a surface fire becomes a crown fire that "
             "destroys the stand for good.  Compare the four policies and find the one that "
             "will best protect the grove.",
     .continueWindow = "Ex6Ask",
     .showsNote = true},
    // Select(7)
    {.menuCaption = "Chapter 21 - Species Strategies in Northern Hardwood Forests",
     .menuRow = 15,
     .title = "Species Strategies in Northern Hardwood Forests",
     .blankRun = 30,
     .body = "How do frequency and type of disturbance alter the species composition of "
             "forests?  You will follow a stand of five northern hardwood species that "
             "differ in sprouting, seed longevity, seed dispersal, shade tolerance and "
             "longevity.  Switch on fire, hurricanes or windthrow gaps, view the maps of "
             "both layers, and relate the winners to their traits.",
     .continueWindow = "EX7Ask"},
    // Select(8)
    {.menuCaption = "Chapter 23 - The Forest Management Game", .menuRow = 17},
    // Select(9)
    {.menuCaption = "Chapter 26 - The Global Carbon Cycle",
     .menuRow = 20,
     .title = "The Global Carbon Cycle",
     .blankRun = 73,
     .body = "What steps in the global carbon cycle control the increase in atmospheric "
             "carbon dioxide?  A five-box model of the atmosphere, land, shallow ocean, "
             "deep ocean and ocean biota is driven by fossil fuel and land-use emissions "
             "for 300 years.  Change the emissions, their future course and the transfers "
             "that can saturate, and find out how much of the added carbon stays in the "
             "atmosphere by 2000 and 2100.",
     .continueWindow = "EX9Ask"},
    // Select(10)
    {.menuCaption = "Chapter   3 - Gross and Net Carbon Balances",
     .menuRow = 0,
     .title = "Gross and Net Carbon Balances",
     .blankRun = 62,
     .body = "How are gross and net carbon exchange related?  You are given one day of "
             "hourly measurements of light, air temperature and net carbon exchange above a "
             "forest.  Use the night-time values to estimate the dark respiration of the "
             "whole forest ecosystem, calculate gross carbon exchange for every hour, and "
             "then graph both against light.  The exercise checks whether you can separate "
             "photosynthesis from respiration and read a light response curve from real "
             "field data.",
     .continueWindow = "Ex10Ask"},
    // Select(11)
    {.menuCaption = "Chapter   4 - Hydrologic and Nutrient Balances",
     .menuRow = 1,
     .title = "Hydrologic and Nutrient Balances",
     .blankRun = 59,
     .body = "Continuous records of water loss from weirs can be converted to total stream "
             "flow for a day, a month, or longer.  Here are three years of monthly "
             "precipitation and stream runoff for a forested watershed, with nitrogen "
             "concentrations in each.  Compute yearly totals, estimate evapotranspiration "
             "by difference, and work out the nitrogen inputs and outputs of the whole "
             "watershed.",
     .continueWindow = "EX11Ask"},
    // Select(12)
    {.menuCaption = "Chapter   6 - Controls on Net Photosynthesis and Transpiration",
     .menuRow = 3,
     .title = "Controls on Net Photosynthesis and Transpiration",
     .blankRun = 31,
     .body = "Photosynthetic capacity is linked tightly to nitrogen concentration in "
             "foliage, but respiration, light levels, and response to VPD can also alter "
             "realized rates of carbon gain.  You will enter a foliar nitrogen "
             "concentration, a light level, a temperature and a vapor pressure deficit, and "
             "read the specific leaf area, net photosynthesis, water use efficiency and "
             "transpiration of a leaf.  Change one factor at a time to find out which of "
             "them controls each of these rates, and under what conditions it does so.",
     .continueWindow = "EX12Ask"},
    // Select(13)
    {.menuCaption = "Chapter   7 - The Soil-Plant-Air Continuum and Water Use",
     .menuRow = 4,
     .title = "The Soil-Plant-Air Continuum and Water Use",
     .blankRun = 39,
     .body = "Water moves from soil to atmosphere through the hydraulic system in plants.  "
             "You will simulate one day, hour by hour, for a plant that draws on water "
             "stored in its stem to meet transpiration and refills that store from the "
             "soil.  Set the light, the temperature range, the osmotic potential of the "
             "leaves, the soil water potential and the stem storage, and find out when, and "
             "why, water supply limits photosynthesis and transpiration from sunrise until "
             "sunset.",
     .continueWindow = "EX13Ask"},
    // Select(14)
    {.menuCaption = "Chapter 25 - Air Pollution and Forest Ecosystems",
     .menuRow = 19,
     .title = "Air Pollution and Forest Ecosystems",
     .blankRun = 52,
     .body = "Forests in industrialized regions are subject to several different sources of "
             "stress simultaneously.  Combine acid deposition, ozone damage and emission "
             "scenarios on two watersheds and find which of these stresses controls forest "
             "and stream health.",
     .continueWindow = "Ex2cAsk",
     .buttons = {{kNoButton, kNoButton, {"Pollution Scenarios", "Ex2cAsk"}}}},
    // Select(15)
    {.menuCaption = "Chapter 24 - Biodiversity: Species-Area Curves and Island Biogeography",
     .menuRow = 18,
     .title = "Biodiversity: Species-Area Curves and Island Biogeography",
     .blankRun = 12,
     .body = "Two quantitative theories on the number of species present in an area are "
             "contained is the description of the species-area curve, and in the field of "
             "island biogeography.  You will sample two random vegetation maps with plots "
             "of growing size and build up their species-area curves by hand.  Then you "
             "will use data on the area, distance and bird species of islands to test the "
             "theory of island biogeography, and finally, look at Isle Royale as an example "
             "of both theories.",
     .buttons = {{{"Species-Area Curves", "Ex14aAsk"},
                  {"Island Biogeography", "Ex14bAsk"},
                  {"The Isle Royale Example", "Ex5Ask"}}}},
    // Select(16)
    {.menuCaption = "Chapter 11 - Carbon and Nitrogen Allocation to Roots",
     .menuRow = 8,
     .title = "Carbon and Nitrogen Allocation to Roots",
     .blankRun = 44,
     .body = "Production and turnover of fine roots is one of the most difficult processes "
             "to measure in forest ecosystems.  In this exercise you will use nitrogen "
             "cycling data from a set of forests to estimate fine root production by "
             "difference: nitrogen uptake less the nitrogen that goes into leaves and "
             "wood.  Then compare the results among forests and ask how nitrogen allocation "
             "to roots changes with site fertility and climate.  The exercise is entirely "
             "contained in the accompanying worksheet.",
     .continueWindow = "Ex16Ask"},
    // Select(17)
    {.menuCaption = "Chapter 15 - Plant/Herbivore Interactions", .menuRow = 10},
    // Select(18)
    {.menuCaption = "Chapter 19 - Disturbance and Succession in the Boreal Forest", .menuRow = 13},
    // Select(19)
    {.menuCaption = "Chapter 20 - Predator-Prey Dynamics in the Serengeti", .menuRow = 14},
    // Select(20)
    {.menuCaption = "Chapter 22 - Isotopes and Nutrient Inputs:  The Forests of Hawaii",
     .menuRow = 16},
}};

}  // namespace

bool ChapterEntry::hasButtons() const {
  for (const SubExerciseButton& button : buttons) {
    if (!button.caption.empty()) return true;
  }
  return false;
}

const std::array<ChapterEntry, kChapterCount>& Catalogue() {
  return kCatalogue;
}

std::string UnderConstructionText() {
  // The address stands early in the sentence so that it is never broken across lines.
  return std::string(kUnderConstructionTitle) + std::string(kUnderConstructionBlanks, ' ') +
         "The course web site, " + std::string(kCourseWebSite) +
         ", will post new exercises when done.";
}

std::string DescriptionText(const ChapterEntry& entry) {
  if (entry.underConstruction()) return UnderConstructionText();
  return std::string(entry.title) + std::string(entry.blankRun, ' ') + std::string(entry.body);
}

}  // namespace sylvandra

#include "platform/text_wrap.h"

namespace sylvandra {
namespace {

class LineBuilder {
 public:
  LineBuilder(const Font& font, double width, WrapStyle style)
      : font_(font), width_(width), paragraph_(style == WrapStyle::Paragraph) {}

  void addBlank() {
    if (paragraph_ && current_.empty()) return;
    if (fits(current_ + ' ')) {
      current_ += ' ';
    } else if (hasWord()) {
      // The blank that does not fit is the break; the rest of the run starts the next line.
      finish();
    } else if (!current_.empty()) {
      // A whole line of blanks.
      finish();
      current_ = " ";
    } else {
      current_ = " ";
    }
  }

  void addWord(const std::string& word) {
    if (fits(current_ + word)) {
      current_ += word;
      return;
    }
    if (hasWord()) {
      size_t blanks = trailingBlanks();
      current_.resize(current_.size() - blanks);
      finish();
      // One blank was the break; in a caption the others carry over when the word still fits
      // after them.
      const std::string carried(blanks > 0 && !paragraph_ ? blanks - 1 : 0, ' ');
      if (fits(carried + word)) {
        current_ = carried + word;
        return;
      }
    } else if (!fits(word) || !current_.empty()) {
      current_.clear();
    }
    if (paragraph_) {
      current_ = word;
      return;
    }
    for (char c : word) {
      if (!current_.empty() && !fits(current_ + c)) finish();
      current_ += c;
    }
  }

  void newLine() { finish(); }

  std::vector<std::string> done() {
    if (!current_.empty() || (lines_.empty() && !paragraph_)) finish();
    return std::move(lines_);
  }

 private:
  bool fits(const std::string& text) const { return font_.TextWidth(text) <= width_ + 1e-9; }
  bool hasWord() const { return current_.find_first_not_of(' ') != std::string::npos; }
  size_t trailingBlanks() const {
    const auto last = current_.find_last_not_of(' ');
    return last == std::string::npos ? current_.size() : current_.size() - last - 1;
  }
  void finish() {
    if (paragraph_) {
      current_.resize(current_.size() - trailingBlanks());
      if (current_.empty()) return;
    }
    lines_.push_back(current_);
    current_.clear();
  }

  const Font& font_;
  double width_;
  bool paragraph_;
  std::string current_;
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> WrapText(std::string_view text, const Font& font, double width,
                                  WrapStyle style) {
  LineBuilder builder(font, width, style);
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      continue;
    }
    if (c == '\n' || c == '\r') {
      builder.newLine();
      ++i;
    } else if (c == ' ') {
      builder.addBlank();
      ++i;
    } else {
      const size_t end = text.find_first_of(" \r\n", i);
      const size_t stop = end == std::string_view::npos ? text.size() : end;
      builder.addWord(std::string(text.substr(i, stop - i)));
      i = stop;
    }
  }
  return builder.done();
}

}  // namespace sylvandra

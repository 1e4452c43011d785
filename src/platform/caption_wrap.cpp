#include "platform/caption_wrap.h"

namespace sylvandra {
namespace {

class LineBuilder {
 public:
  LineBuilder(const Font& font, double width) : font_(font), width_(width) {}

  void AddBlank() {
    if (Fits(current_ + ' ')) {
      current_ += ' ';
    } else if (HasWord()) {
      // The blank that does not fit is the break; the rest of the run starts the next line.
      Finish();
    } else if (!current_.empty()) {
      // A whole line of blanks.
      Finish();
      current_ = " ";
    } else {
      current_ = " ";
    }
  }

  void AddWord(const std::string& word) {
    if (Fits(current_ + word)) {
      current_ += word;
      return;
    }
    if (HasWord()) {
      size_t blanks = TrailingBlanks();
      current_.resize(current_.size() - blanks);
      Finish();
      // One blank was the break; the others carry over when the word still fits after them.
      const std::string carried(blanks > 0 ? blanks - 1 : 0, ' ');
      if (Fits(carried + word)) {
        current_ = carried + word;
        return;
      }
    } else if (!Fits(word) || !current_.empty()) {
      current_.clear();
    }
    for (char c : word) {
      if (!current_.empty() && !Fits(current_ + c)) Finish();
      current_ += c;
    }
  }

  void NewLine() { Finish(); }

  std::vector<std::string> Done() {
    if (!current_.empty() || lines_.empty()) Finish();
    return std::move(lines_);
  }

 private:
  bool Fits(const std::string& text) const { return font_.TextWidth(text) <= width_ + 1e-9; }
  bool HasWord() const { return current_.find_first_not_of(' ') != std::string::npos; }
  size_t TrailingBlanks() const {
    const auto last = current_.find_last_not_of(' ');
    return last == std::string::npos ? current_.size() : current_.size() - last - 1;
  }
  void Finish() {
    lines_.push_back(current_);
    current_.clear();
  }

  const Font& font_;
  double width_;
  std::string current_;
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> WrapCaption(const Font& font, std::string_view caption, double width) {
  LineBuilder builder(font, width);
  size_t i = 0;
  while (i < caption.size()) {
    const char c = caption[i];
    if (c == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n') {
      ++i;
      continue;
    }
    if (c == '\n' || c == '\r') {
      builder.NewLine();
      ++i;
    } else if (c == ' ') {
      builder.AddBlank();
      ++i;
    } else {
      const size_t end = caption.find_first_of(" \r\n", i);
      const size_t stop = end == std::string_view::npos ? caption.size() : end;
      builder.AddWord(std::string(caption.substr(i, stop - i)));
      i = stop;
    }
  }
  return builder.Done();
}

}  // namespace sylvandra

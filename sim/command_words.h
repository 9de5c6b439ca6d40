// The words of a command line after the command's name, read one at a time, as every
// command of velquist-sim and velquist-host.exe reads them: an option, and for an option
// that takes a value, the word after it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sim {

class CommandWords {
  public:
    explicit CommandWords(const std::vector<std::string>& words) : words_(words) {}

    // Moves to the next word; false when none is left.
    bool next() {
        if (next_ >= words_.size()) return false;
        word_ = &words_[next_++];
        return true;
    }
    // The word next() moved to.
    const std::string& word() const { return *word_; }
    // Takes the word after the current one as its value; false, leaving `into` alone, when
    // the current word is the last.
    bool value(std::string& into) {
        if (next_ >= words_.size()) return false;
        into = words_[next_++];
        return true;
    }

  private:
    const std::vector<std::string>& words_;
    size_t next_ = 0;  // index of the word next() moves to
    const std::string* word_ = nullptr;
};

}  // namespace sim

#pragma once
// What the keyboard knows it typed: the characters of its own key presses and of the accepted
// suggestions, since the last break. The current word is the run of word characters at the end;
// a space, Enter, Tab or punctuation ends it. A break (a navigation key, a shortcut with Ctrl, Alt
// or Windows, another foreground window, focused control or caret place) forgets everything.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A word that a separator ended, with the word before it when only spaces lay between them.
struct TCompletedWord {
  std::u16string Word;
  std::u16string Previous;
};

class TWordTracker {
 public:
  // Characters typed. Answers the words that they ended.
  std::vector<TCompletedWord> Type(std::u16string_view text);
  // Takes the last character back; nothing when nothing is known.
  void Backspace();
  void Break();

  // The word being typed: empty after a separator or a break.
  std::u16string CurrentWord() const;
  // The word before the current one when only spaces separate them; else empty.
  std::u16string PreviousWord() const;

 private:
  // The end of the word that ends at end (exclusive) in FText, trailing joiners left out, and its
  // start.
  std::size_t WordStart(std::size_t end) const;
  std::u16string WordEndingAt(std::size_t end) const;

  // Recent text, at most MaxText characters; older text is let go.
  static constexpr std::size_t MaxText = 256;
  std::u16string FText;
};

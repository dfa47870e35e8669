#pragma once
// Whether UI Automation reports the focused element as a password field (UIA_IsPasswordPropertyId):
// the fields of browsers and other toolkits that are no edit control with ES_PASSWORD. Nothing is
// made before the first word is typed (Prepare) or the first question; then a thread of its own, in the multithreaded
// apartment, holds the UI Automation object and asks it, and the keyboard window's thread waits for the answer at most
// AnswerTimeout, without pumping messages in the middle of a key press.
#include <memory>

class TUiaPasswordProbe {
 public:
  static constexpr unsigned AnswerTimeout = 150;  // ms
  static constexpr unsigned StartTimeout = 1000;  // ms, the first question: the object is made

  // Unavailable: UI Automation could not be made (the rule of ES_PASSWORD alone holds);
  // NoAnswer: it did not answer in time.
  enum class TAnswer { NoPassword, Password, NoAnswer, Unavailable };

  TUiaPasswordProbe();
  TUiaPasswordProbe(const TUiaPasswordProbe&) = delete;
  TUiaPasswordProbe& operator=(const TUiaPasswordProbe&) = delete;
  // Lets the thread go; it ends after the question it may be waiting on.
  ~TUiaPasswordProbe();

  // Makes the thread and the UI Automation object in the background, so that the question at the
  // end of the word need not wait for them; later calls do nothing.
  void Prepare();
  TAnswer FocusedElement();
  // Whether a word typed now must not be learned: a password field, or no answer in time.
  bool FocusMayBePassword() {
    const TAnswer answer = FocusedElement();
    return answer == TAnswer::Password || answer == TAnswer::NoAnswer;
  }
  // Whether the thread and the UI Automation object were made (by a first question).
  bool Started() const;

 private:
  struct TState;
  void StartLocked();              // FState's mutex held
  std::shared_ptr<TState> FState;  // shared with the thread, which may outlive this
};

#include "app/countdown.h"

#include "app/user_texts.h"

namespace wendral {

void Form2Logic::Form_Load() {
  view_.SetCommand1Enabled(false);
  // One more than the count shown: the first tick shows 30.
  secondsLeft_ = 31;
}

void Form2Logic::Timer1_Timer() {
  const std::int32_t n = secondsLeft_ - 1;
  view_.SetCommand1Caption(std::to_string(n) + std::string(texts::kSecondsSuffix));
  if (n == 0) {
    view_.SetCommand1Caption(std::string(texts::kNextStep));
    view_.SetCommand1Enabled(true);
    view_.StopTimer1();
  }
  secondsLeft_ = n;
}

}  // namespace wendral

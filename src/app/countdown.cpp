#include "app/countdown.h"

#include "app/user_texts.h"

namespace wendral {

void NoticeCountdown::OnShown() {
  view_.SetNextButtonEnabled(false);
  // One more than the count shown: the first tick shows 30.
  secondsLeft_ = 31;
}

void NoticeCountdown::OnCountdownTick() {
  const std::int32_t n = secondsLeft_ - 1;
  view_.SetNextButtonCaption(std::to_string(n) + std::string(texts::kSecondsSuffix));
  if (n == 0) {
    view_.SetNextButtonCaption(std::string(texts::kNextStep));
    view_.SetNextButtonEnabled(true);
    view_.StopCountdownTimer();
  }
  secondsLeft_ = n;
}

}  // namespace wendral

#pragma once
// The re-plug notice window's button: disabled for 30 one-second ticks while it counts down,
// so the stick has time to set up its network before the main window can be opened.
#include <cstdint>
#include <string>

namespace wendral {

class NoticeView {
 public:
  virtual ~NoticeView() = default;
  virtual void SetNextButtonCaption(const std::string& utf8) = 0;
  virtual void SetNextButtonEnabled(bool enabled) = 0;
  virtual void StopCountdownTimer() = 0;
};

inline constexpr unsigned kCountdownIntervalMs = 1000;

class NoticeCountdown {
 public:
  explicit NoticeCountdown(NoticeView& view) : view_(view) {}

  // Before the window is first shown.
  void OnShown();
  // Every tick of the countdown timer.
  void OnCountdownTick();

  std::int32_t SecondsLeft() const { return secondsLeft_; }

 private:
  NoticeView& view_;
  std::int32_t secondsLeft_ = 0;
};

}  // namespace wendral

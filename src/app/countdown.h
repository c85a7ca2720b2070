#pragma once
// The re-plug notice window's button: disabled for 30 one-second ticks while it counts down,
// so the stick has time to set up its network before the main window can be opened.
#include <cstdint>
#include <string>

namespace wendral {

class NoticeView {
 public:
  virtual ~NoticeView() = default;
  virtual void SetCommand1Caption(const std::string& utf8) = 0;
  virtual void SetCommand1Enabled(bool enabled) = 0;
  virtual void StopTimer1() = 0;
};

inline constexpr unsigned kTimer1IntervalMs = 1000;

class Form2Logic {
 public:
  explicit Form2Logic(NoticeView& view) : view_(view) {}

  // Before the window is first shown.
  void Form_Load();
  // Every tick of Timer1.
  void Timer1_Timer();

  std::int32_t SecondsLeft() const { return secondsLeft_; }

 private:
  NoticeView& view_;
  std::int32_t secondsLeft_ = 0;
};

}  // namespace wendral

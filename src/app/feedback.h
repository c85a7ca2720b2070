#pragma once
// Where "反馈或建议" and the banner lead: the project's page for feedback.
namespace wendral {
inline constexpr char kFeedbackPageAddress[] = "https://wendral.example.org/feedback";
}  // namespace wendral

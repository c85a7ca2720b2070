#pragma once
// The modal boxes of both windows, owned by whichever of them is active.
#include "app/message_service.h"

namespace wendral::win32 {

class Win32MessageService final : public MessageService {
 public:
  void Show(std::string_view text, std::string_view title, MessageIcon icon) override;
};

}  // namespace wendral::win32

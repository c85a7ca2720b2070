#pragma once
// Modal message boxes with one OK button, as the windows show them.
#include <string_view>

namespace wendral {

enum class MessageIcon { Information, Warning };

class MessageService {
 public:
  virtual ~MessageService() = default;
  // Returns once the user has closed the box. Texts are UTF-8.
  virtual void Show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

}  // namespace wendral

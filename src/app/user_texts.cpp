#include "app/user_texts.h"

#include "app/registry_api.h"

namespace wendral::texts {

std::string NameTooLong(std::size_t ansiBytes) {
  return "网络名称太长:随身WIFI最多能用32个字节(一个汉字占2个字节),现在是" + std::to_string(ansiBytes) +
         "个字节。本次没有修改,请缩短后再试。";
}

std::string WriteFailed(int status) {
  if (status == reg::kErrorAccessDenied) return "修改失败!\n" + std::string(kRunAsAdministrator);
  return "修改失败:写入注册表时出错(错误代码 " + std::to_string(status) + ")。";
}

std::string CafeWritesFailed(int failed, int total, bool accessDenied) {
  std::string text =
      "修改失败:网吧模式的" + std::to_string(total) + "处写入中有" + std::to_string(failed) + "处没有成功。";
  if (accessDenied) text += "\n" + std::string(kRunAsAdministrator);
  return text;
}

}  // namespace wendral::texts

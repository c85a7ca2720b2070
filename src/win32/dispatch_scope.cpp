#include "win32/dispatch_scope.h"

#include <utility>
#include <vector>

namespace quillet::win32 {
namespace {

int depth = 0;
std::vector<std::function<void()>> pending;

void RunPending() {
  // A deleter may destroy further windows and so queue more deleters.
  while (!pending.empty()) {
    auto batch = std::move(pending);
    pending.clear();
    for (auto& deleter : batch) deleter();
  }
}

}  // namespace

DispatchScope::DispatchScope() { ++depth; }

DispatchScope::~DispatchScope() {
  if (--depth == 0) {
    ++depth;  // deleters send messages too; keep them from draining recursively
    RunPending();
    --depth;
  }
}

void DeleteWhenIdle(std::function<void()> deleter) {
  pending.push_back(std::move(deleter));
  if (depth == 0) {
    ++depth;
    RunPending();
    --depth;
  }
}

}  // namespace quillet::win32

#pragma once

#include <optional>
#include <utility>

namespace vorneth::platform {

// The answer to a dialog's question, set ahead by a test: the next question takes it instead of
// showing the dialog. An answer of nullopt stands for "cancelled".
template <typename T>
class PresetAnswer {
 public:
  void Set(std::optional<T> answer) {
    set_ = true;
    answer_ = std::move(answer);
  }

  // Once after Set: true, with the answer in `out`. Otherwise false: ask the user.
  bool Take(std::optional<T>& out) {
    if (!set_) {
      return false;
    }
    set_ = false;
    out = std::exchange(answer_, std::nullopt);
    return true;
  }

 private:
  bool set_ = false;
  std::optional<T> answer_;
};

}  // namespace vorneth::platform

#pragma once

#include "platform/ui/Binding.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The sheet behind the guide's info button: what sets its advice apart.
class ExpertInfoView {
 public:
  explicit ExpertInfoView(platform::ui::Action dismiss) : dismiss_(std::move(dismiss)) {}
  ExpertInfoView(const ExpertInfoView&) = delete;
  ExpertInfoView& operator=(const ExpertInfoView&) = delete;

  platform::ui::View body() const;

 private:
  platform::ui::Action dismiss_;
};

}  // namespace verdeo

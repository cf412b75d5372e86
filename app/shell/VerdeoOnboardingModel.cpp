#include "app/shell/VerdeoOnboardingModel.hpp"

namespace verdeo {

const std::vector<VerdeoOnboardingModel>& onboardingPages() {
  static const std::vector<VerdeoOnboardingModel> pages = {
      {"OnboardingImage", "Welcome to Verdeo",
       "Real expert plant tracker with smart reminders. Professional care tips, growth tracking, "
       "and botanist guidance turn plant anxiety into confidence."},
      {"", "Stop wondering if you're killing your plants and start caring with confidence 🌱", ""},
      {"",
       "Transform from plant killer to plant expert with science-backed guidance that actually "
       "works 🔬",
       ""},
      {"", "Never miss another watering day or feel overwhelmed by confusing care schedules ⏰", ""},
      {"", "Watch your green friends flourish while you document every growth milestone 📈", ""},
      {"", "Join a thriving community where plant anxiety becomes plant confidence 🌿", ""},
      {"", "Ready to turn your home into the green sanctuary you've always dreamed of? 🚀", ""},
  };
  return pages;
}

}  // namespace verdeo

#include "app/expert/screens/DifficultyChip.hpp"

#include <string>

#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

namespace {

struct Level {
  const char* symbol;
  Color color;
};

Level level(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::easy:
      return {"leaf", Color::green};
    case Difficulty::moderate:
      return {"leaf.fill", Color::orange};
    case Difficulty::expert:
      return {"leaf.arrow.triangle.circlepath", Color::red};
  }
  return {"leaf", Color::green};
}

}  // namespace

View DifficultyChip::body() const {
  const Level l = level(difficulty);
  return HStack({.spacing = 4},
                {
                    Symbol(l.symbol).font(Font::system(12)),
                    Text(std::string(rawValue(difficulty)))
                        .font(Font::system(12, FontWeight::semibold))
                        .lineLimit(1),
                })
      .padding(EdgeInsets{4, 8, 4, 8})
      .background(l.color.opacity(0.15))
      .foregroundColor(l.color)
      .clipShape(Shape::capsule());
}

}  // namespace verdeo

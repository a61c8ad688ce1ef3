#include "ui/window_layout.hpp"

#include <array>
#include <stdexcept>
#include <string>

namespace drobi {
namespace {

constexpr std::uint32_t kCaptionColour = 0x0080C0FF;  // red 255, green 192, blue 128
constexpr int kFont = 12;
constexpr int kSmallFont = 9;

using K = ControlKind;

constexpr std::array<ControlLayout, 18> kControls{{
    {"Spis(0)", K::kList, 0, 2400, 960, 1100, 1200, nullptr, "Числител", "Числител", "Делимо",
     kPlatformColour, kFont},
    {"Spis(1)", K::kList, 1, 3600, 960, 1100, 1200, nullptr, "Знаменател", "Знаменател", "Делител",
     kPlatformColour, kFont},
    {"Etiket(0)", K::kLabel, 0, 2400, 600, 1095, 375, "Делимо", nullptr, nullptr, nullptr,
     kCaptionColour, kFont},
    {"Etiket(1)", K::kLabel, 1, 3600, 600, 1095, 375, "Делител", nullptr, nullptr, nullptr,
     kCaptionColour, kFont},
    // The description fields have no caption and are named by what they hold.
    {"Text1(0)", K::kText, 0, 120, 2280, 8175, 2535, nullptr, "Има ли въпроси?", "Има ли въпроси?",
     "Описание", kPlatformColour, kFont},
    {"Spis(3)", K::kList, 3, 120, 960, 1095, 1200, nullptr,
     "Избор на интервал за числител/знаменател", "Избор на интервал за числителя и знаменателя",
     "Интервал", kPlatformColour, kFont},
    {"Command1", K::kButton, 0, 7200, 0, 1095, 375, nullptr, "Изчиства генерираните числа",
     "Изчиства генерираните числа", nullptr, 0x000000FF, kFont},
    {"Etiket(3)", K::kLabel, 3, 120, 600, 1095, 375, "Интервал", nullptr, nullptr, nullptr,
     kCaptionColour, kFont},
    {"Etiket(8)", K::kLabel, 8, 1560, 0, 5175, 375, "Информатика: дълги числа и дроби", nullptr,
     nullptr, nullptr, kCaptionColour, kFont},
    {"Spis(2)", K::kList, 2, 4800, 960, 1695, 1200, nullptr, "Десетична дроб", "Десетична дроб",
     "Частно", kPlatformColour, kFont},
    {"Etiket(2)", K::kLabel, 2, 4800, 600, 1695, 375, "Частно", nullptr, nullptr, nullptr,
     kCaptionColour, kFont},
    {"Spis(4)", K::kList, 4, 1320, 960, 975, 1200, nullptr, "Брой цифри (0..7) на десетичната дроб",
     "Брой цифри от 0 до 7 на десетичната дроб", "Брой цифри", kPlatformColour, kFont},
    {"Etiket(4)", K::kLabel, 4, 1320, 600, 975, 375, "Брой цифри", nullptr, nullptr, nullptr,
     kCaptionColour, kSmallFont},
    // Spis(5) and Dylgo share the caption "дълго число".
    {"Spis(5)", K::kList, 5, 6600, 960, 735, 1200, nullptr,
     "Брой цифри (10..90) на десетичната дроб - дълго число",
     "Брой цифри от 10 до 90 на десетичната дроб, дълго число", "брой цифри на дългото число",
     kPlatformColour, kFont},
    {"Dylgo", K::kList, 0, 7440, 960, 855, 1200, nullptr, "На всеки следващ ред е поредната цифра",
     "На всеки следващ ред е поредната цифра", "дълго число", kPlatformColour, kFont, true},
    {"Etiket(5)", K::kLabel, 5, 6600, 600, 1695, 375, "дълго число", nullptr, nullptr, nullptr,
     0x0000C0C0, kFont},
    // Runs past the bottom and the right edge of the window, which clips it there.
    {"Text1(1)", K::kText, 1, 480, 4200, 8175, 1455, nullptr, nullptr, nullptr, "Бележки",
     kPlatformColour, kFont},
    {"Label1", K::kSpot, 0, 0, 0, 135, 135, nullptr, "Великденско яйце", "Великденско яйце",
     nullptr, 0x0000C000, kFont},
}};

constexpr WindowLayout kWindow{
    .client_width = 8490,
    .client_height = 4890,
    .back_colour = 0x00FFC0C0,  // red 192, green 192, blue 255
    .font_family = "Times New Roman",
    .font_points = kFont,
    .caption = "drobi  Ирационални и рационални числа: обикновени дроби и дълги числа",
    .spoken_caption = "drobi, ирационални и рационални числа, обикновени дроби и дълги числа",
};

}  // namespace

const WindowLayout& MainWindowLayout() { return kWindow; }

std::span<const ControlLayout> MainWindowControls() { return kControls; }

const ControlLayout& ControlNamed(std::string_view name) {
  for (const ControlLayout& control : kControls) {
    if (name == control.name) return control;
  }
  throw std::invalid_argument("no control " + std::string(name) + " in the window's layout");
}

}  // namespace drobi

#pragma once

#include <cstddef>
#include <string_view>

namespace vorlan {

/**
 * The boxes a case is read from and written to: the main window's text boxes and combo texts, and
 * the Options dialog's two fouling factors ("Form2.Text1" internal, "Form2.Text2" external).
 */
enum class Box {
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Combo1,
    Combo2,
    Combo3,
    Combo4,
    Combo5,
    Form2Text1,
    Form2Text2,
};
inline constexpr std::size_t kBoxCount = 19;

/** True for the combo boxes (fluids, material, pressures), false for the text boxes. */
constexpr bool isComboBox(Box box) { return box >= Box::Combo1 && box <= Box::Combo5; }

/** The main window's option buttons. */
enum class Option { Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8 };
inline constexpr std::size_t kOptionCount = 8;

/** The control name of a box, as the windows and the case files name it ("Text8", "Form2.Text1"). */
std::string_view nameOf(Box box);
std::string_view nameOf(Option option);

/** What a box holds, with its unit, in the program's words ("Length [m]", "Internal inlet temp. [°C]"). */
std::string_view labelOf(Box box);

/** The box or option of a control name; a name that is none is a programming error (std::invalid_argument). */
Box boxNamed(std::string_view name);
Option optionNamed(std::string_view name);

} // namespace vorlan

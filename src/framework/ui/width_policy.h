#pragma once
// How a module window shares its width and height: one set of gaps for every line, table and panel,
// and the rules that give a field its width. At the window's own size everything shows at once:
// fields share a line's width by what they hold (short values as wide as their content, addresses the
// larger share of the rest), a line too long for the window wraps, and whenever the room changes, the
// code box and then the samples (keeping their shape) give up height for the settings.

#include "framework/model/module_description.h"

#include <QChar>
#include <QSize>

class QLineEdit;
class QWidget;

namespace ornavo::ui::width {

// Room between the areas of a column, and inside a control's caption, field and unit.
inline constexpr int kSpacing = 4;
// Between the items of a line or the columns of a table, and between the rows a line wraps into or the
// rows of a table.
inline constexpr int kColumnGap = 6;
inline constexpr int kRowGap = 3;
// The window's margins and an area's frame on each side, which a picture box must leave free.
inline constexpr int kSideRoom = 40;
// The code box is never lower than this; the buttons beside it set its height otherwise.
inline constexpr int kCodeBoxHeight = 60;
// The least width of a button in the column beside the code box.
inline constexpr int kButtonWidth = 88;
// A portrait sample stands beside the settings when they keep at least this much width.
inline constexpr int kSettingsBesideSample = 420;
// How a line's or a table's spare width is shared: addresses take three parts for a text's one.
inline constexpr int kAddressShare = 3;
inline constexpr int kTextShare = 1;
// Characters a field shows at least: an address, a text; a short value with no default text; a colour.
inline constexpr int kAddressLeast = 8;
inline constexpr int kTextLeast = 4;
inline constexpr int kShortLeast = 4;
inline constexpr int kColourLeast = 7;
// A text in a table is as wide as its longest default text, and no wider than this many characters
// (or it grows no further), so that the spare width goes to the addresses. A note wraps no narrower.
inline constexpr int kTextMost = 12;

// As wide as any Chinese character.
inline const QChar kWideCharacter(0x4e2d);

// The share of spare width a field takes (0: it keeps its own width).
int shareOf(const Control& control);
// Whether anything in the widget takes a share of spare width (an address, a text, a note).
bool grows(const QWidget* widget);
// Width a line edit adds around its text (frame, padding and margins, with the skin).
int fieldFrame(const QLineEdit* edit);
// A sample picture's box: its described size, made smaller (same shape) for a narrower window.
QSize pictureBoxSize(const Control& picture, int windowWidth);

} // namespace ornavo::ui::width

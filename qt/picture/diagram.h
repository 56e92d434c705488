// SPDX-License-Identifier: GPL-3.0-or-later
// The small diagram beside the input fields that shows which letter names which element.
#pragma once

#include <QFont>
#include <QPixmap>

namespace esferica {

// A triangle with its vertices A (left), B (bottom right) and C (top), and each side marked with
// the lower-case letter of the opposite vertex, written in `font`; 52 x 98 logical pixels, drawn at
// `ratio` device pixels per logical pixel so that it stays sharp on dense screens.
QPixmap triangleDiagram(qreal ratio, const QFont& font);

} // namespace esferica

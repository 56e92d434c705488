// SPDX-License-Identifier: GPL-3.0-or-later
// The handout page ("Exportar hoja…"): one A4 page in PDF, written by Qt's own PDF writer, with the
// data as typed, the case they form, the results of both triangles with their measures, the
// picture as vectors, the view it is seen under and the date.
#pragma once

#include "command/calculate.h"
#include "present/catalogue.h"
#include "qt/picture/strokes.h"

#include <QByteArray>
#include <QDate>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <string_view>

namespace esferica {

// The texts of the page, each line whole.
struct SheetTexts {
    QString title;
    QString date;     // "9 de diciembre de 2026"
    QString heading;  // "Datos"
    QStringList data; // the given elements as typed: "a = 40", "A = 30"
    QString kind;     // "Caso: Dos lados y el ángulo opuesto a uno de ellos (caso ambiguo)"
    QStringList solution, additional; // a heading, the six elements, then the five measures
    QString view;                     // "Vista: inclinación 30°, rotación 10°"
};

// The page's texts for the click `calc` (which drew a scene), its picture seen under `view`, on
// `date`, with the decimal separator of the results, in `words`.
SheetTexts sheetTexts(const Calculation& calc, ViewAngles view, QDate date,
                      std::string_view decimalSeparator,
                      const Catalogue& words = Catalogue::spanish());

// The page as a PDF document: `texts` and the picture of `strokes` (recorded on a picture of
// `frame` pixels), as vectors.
QByteArray sheetPdf(const SheetTexts& texts, const StrokeRecord& strokes, QSizeF frame);

} // namespace esferica

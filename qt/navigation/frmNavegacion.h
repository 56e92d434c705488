// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation window: great-circle sailing and the position triangle of a sight, each in a tab,
// over the same core as the command line (cli/navigation.h reads the data and gives the reasons;
// navigation/ solves and draws). A click on "&Calcular" (or Enter in a field) reads every field of
// the tab shown, strictly: a field not read whole stops it with "Datos mal escritos" and the
// reason naming the angle, the results and the picture cleared, and the focus back in that field
// with its text selected. A solved problem shows its results as a navigator writes them
// (present/navigationtexts.h), selectable, and draws the problem on the globe as a chart
// shows it, north up and east to the right. "Ver en el triángulo" puts the triangle behind the
// problem into the main window's six fields and solves it there; "Copiar" copies the command line's
// lines. Results shown for other data than the fields hold are greyed, and can be neither copied
// nor seen as a triangle, until the next click. The window speaks the main window's language, and
// follows it when it changes.
#pragma once

#include "cli/navigation.h"
#include "navigation/triangle.h"
#include "present/catalogue.h"

#include <QWidget>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class frmTrianguloEsf;

namespace esferica {
class DrawingSurface;
}

class frmNavegacion : public QWidget {
    Q_OBJECT

public:
    // A window of its own, beside `main`, which outlives it and takes the triangles it shows; in
    // the language of `words`.
    frmNavegacion(frmTrianguloEsf& main, const esferica::Catalogue& words);
    ~frmNavegacion() override;

    // The event handlers, named after their control and event; each acts on the tab shown.
    void cmdCalcular_Click();
    void cmdVerTriangulo_Click();
    void cmdCopiar_Click();

    // The tabs, in order.
    enum class Problem { Sailing, Sight };
    void showProblem(Problem problem);

    // Every caption, tooltip, example and accessible name, the results shown and the lines that
    // Copiar copies, in the language of `words`.
    void retranslate(const esferica::Catalogue& words);

private:
    // What the last click of a tab solved, while the fields still hold its data.
    struct Solved {
        std::optional<esferica::TriangleBehind> triangle;
        std::string lines; // what Copiar copies
        bool current = false;
    };
    Problem problem() const;
    Solved& solved(Problem problem);
    void calculateSailing();
    void calculateSight();
    // A field not read whole, or a datum missing or too many: the tab's results and the picture
    // cleared, the message and its reason, the focus back in `field` with its text selected.
    void refuse(Problem problem, QLineEdit* field, const std::string& reason);
    // Shows the tab's last problem in its result labels, its note and its lines, in the language
    // chosen, or every label empty; greyed if the fields no longer hold its data.
    void showResults(Problem problem);
    // Draws the tab's last problem, or clears the picture.
    void drawProblem();
    // The tab's fields have changed: its results no longer belong to them.
    void outdate(Problem problem);
    void updateButtons();
    std::string decimalSeparator() const;

    QLineEdit* addField(QWidget& page, const char* name) const;
    QLabel* addCaption(QWidget& page, const char* name, QWidget* buddy);

    frmTrianguloEsf& main_;
    const esferica::Catalogue* words_;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* txtSalida_ = nullptr;
    QLineEdit* txtLlegada_ = nullptr;
    QLineEdit* txtRadio_ = nullptr;
    std::array<QLineEdit*, esferica::kSightData> txtSight_{}; // by SightDatum
    std::array<std::vector<QLabel*>, 2> results_;             // by Problem, in order
    std::array<std::vector<QLabel*>, 2> resultCaptions_;      // beside them
    std::array<QLabel*, 2> notes_{};
    QPushButton* cmdCalcular_ = nullptr;
    QPushButton* cmdVerTriangulo_ = nullptr;
    QPushButton* cmdCopiar_ = nullptr;
    esferica::DrawingSurface* Grafico_ = nullptr;

    std::array<Solved, 2> solved_;
    std::optional<esferica::Sailing> sailing_;
    std::optional<esferica::Sight> sight_;
    double sightLongitude_ = 0; // the observer's, when the Greenwich hour angle gave the sight
};

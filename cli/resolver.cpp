// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/resolver.h"

#include "cli/navigation.h"
#include "command/calculate.h"
#include "present/view.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace esferica {

namespace {

constexpr std::string_view kSolve = "--resolver";
constexpr std::string_view kFromInput = "-";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kVersion = "--version";
constexpr std::string_view kImage = "--imagen";
constexpr std::string_view kView = "--vista";
constexpr std::string_view kSize = "--tamano";
constexpr std::string_view kClassic = "--clasico";

constexpr std::string_view kUsage =
    "Uso: esferica --resolver NOMBRE=VALOR NOMBRE=VALOR NOMBRE=VALOR [--imagen ARCHIVO [--vista "
    "INCL,ROT] [--tamano PÍXELES] [--clasico]] | esferica --resolver - | esferica --help\n";

constexpr std::string_view kHelpText =
    "Uso: esferica [--resolver NOMBRE=VALOR... | --resolver - | --ortodromica SALIDA LLEGADA |\n"
    "               --altura NOMBRE=VALOR... | --help | --version]\n"
    "\n"
    "Sin argumentos, abre la ventana de resolución de triángulos esféricos.\n"
    "\n"
    "  --resolver a=60 b=60 c=60  resuelve, sin ventana, el triángulo de los tres elementos\n"
    "                             dados e imprime sus seis elementos en grados, con diez\n"
    "                             decimales y punto decimal, y el triángulo adicional si existe\n"
    "  --resolver -               lee un problema por línea de la entrada estándar\n"
    "  --ortodromica \"36°30'N 6°20'W\" \"40°30'N 73°50'W\" [--radio KM]\n"
    "                             navegación por círculo máximo: distancia en millas y en\n"
    "                             kilómetros (radio de 6371 km si no se da), rumbos inicial y\n"
    "                             final, vértice, y rumbo y distancia loxodrómicos\n"
    "  --altura latitud=43°00,0'N declinacion=20°06,0'N horario=339 [observada=61°10,0']\n"
    "                             altura estimada y azimut, y con la altura observada la\n"
    "                             diferencia de alturas; horario_greenwich=G longitud=L\n"
    "                             en lugar de horario da el horario del lugar\n"
    "  --ortodromica -, --altura -\n"
    "                             leen un problema por línea de la entrada estándar\n"
    "  --imagen ARCHIVO           con --resolver y tres elementos, dibuja además el triángulo\n"
    "                             en ARCHIVO: SVG si termina en .svg, PDF si termina en .pdf,\n"
    "                             PNG en otro caso; no necesita pantalla\n"
    "  --vista INCL,ROT           la inclinación y la rotación del dibujo, en grados, separadas\n"
    "                             por una coma (decimales con punto); 30,10 si no se dice\n"
    "  --tamano PÍXELES           el lado del dibujo en píxeles, de 16 a 4096; 353 si no se\n"
    "                             dice (el dibujo de la ventana)\n"
    "  --clasico                  el dibujo clásico: líneas finas, sin nombres ni profundidad\n"
    "  --help                     muestra esta ayuda\n"
    "  --version                  muestra la versión\n"
    "\n"
    "NOMBRE es a, b o c (lados) o A, B o C (ángulos); VALOR, en grados, se lee como en los\n"
    "campos de la ventana, y solo si se lee entero:\n"
    "  grados con decimales, con punto o coma     60  60,5  -40.25  1.5E2\n"
    "  grados, minutos y segundos con sus signos  49°30'  49°30'15\"  49° 30,5'\n"
    "    (también º ˚, ’ ′ para los minutos, ” ″ '' para los segundos)\n"
    "  un entero hexadecimal u octal              &HFF  &O17\n"
    "Un valor que no se lee entero (4O, 17 5, 90-36°32') es un dato mal escrito.\n"
    "Con -, cada línea es un problema; una línea vacía o que empieza por # se copia tal cual.\n"
    "Estado de salida: 0 resuelto, 1 no existe solución, 2 datos mal dados o mal escritos, 3\n"
    "resuelto pero la imagen no se pudo dibujar o guardar.\n";

// The longest reason, in characters: a reason quotes every value not read whole, each cut to
// kQuotedLength characters, with a hint.
constexpr std::size_t kNoteLength = 2000;

// Blanks between words: spaces, tabs and a carriage return (a line from another system).
bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f';
}

// The length of the well-formed UTF-8 character at the start of `s`, or 0.
std::size_t utf8Length(std::string_view s) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(s[i]);
    };
    const unsigned char lead = byte(0);
    std::size_t n = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4;
    if (n == 0 || s.size() < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return n;
}

} // namespace

std::string printable(std::string_view word, std::size_t length) {
    std::string text;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < word.size(); ++shown) {
        if (shown == length) {
            text += "…";
            break;
        }
        const auto ch = static_cast<unsigned char>(word[i]);
        if (ch >= 0x20 && ch < 0x7F) {
            text += word[i++];
        } else if (const std::size_t n = ch >= 0x80 ? utf8Length(word.substr(i)) : 0; n > 0) {
            text += word.substr(i, n);
            i += n;
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            text += "\\x";
            text += kHex[ch >> 4];
            text += kHex[ch & 0xF];
            ++i;
        }
    }
    return text;
}

namespace {

std::string quoted(std::string_view word) {
    return "«" + printable(word) + "»";
}

// What --imagen and its companions ask for.
struct PictureOptions {
    std::optional<std::string> path;
    std::string inclination = kDefaultOptionTexts[index(OptionField::Inclination)];
    std::string rotation = kDefaultOptionTexts[index(OptionField::Rotation)];
    int pixels = kDefaultPicturePixels;
    bool classic = false;
    bool given = false; // any of the four options was given
};

// The side of the picture in pixels that `text` asks for: whole digits only, within the bounds.
std::optional<int> picturePixels(std::string_view text) {
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return std::nullopt;
    const int pixels = std::stoi(std::string(text));
    if (pixels < kMinPicturePixels || pixels > kMaxPicturePixels)
        return std::nullopt;
    return pixels;
}

// Takes the picture's options out of `args`, leaving the problem's words in `words`. Returns why
// an option is malformed, or an empty text.
std::string takePictureOptions(std::span<const std::string_view> args,
                               std::vector<std::string_view>& words, PictureOptions& picture) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool takesValue = arg == kImage || arg == kView || arg == kSize;
        if (!takesValue && arg != kClassic) {
            words.push_back(arg);
            continue;
        }
        picture.given = true;
        if (arg == kClassic) {
            picture.classic = true;
            continue;
        }
        if (i + 1 == args.size())
            return std::string(arg) + " necesita un valor";
        const std::string_view value = args[++i];
        if (arg == kImage) {
            if (value.empty())
                return "--imagen necesita el nombre de un archivo";
            picture.path = std::string(value);
        } else if (arg == kView) {
            const std::size_t comma = value.find(',');
            if (comma == std::string_view::npos ||
                value.find(',', comma + 1) != std::string_view::npos)
                return "--vista espera la inclinación y la rotación en grados separadas por una "
                       "coma, con punto decimal (por ejemplo 30,10 o 22.5,-40), no " +
                       quoted(value);
            picture.inclination = value.substr(0, comma);
            picture.rotation = value.substr(comma + 1);
        } else if (const std::optional<int> pixels = picturePixels(value)) {
            picture.pixels = *pixels;
        } else {
            return "--tamano espera un número entero de píxeles de " +
                   std::to_string(kMinPicturePixels) + " a " + std::to_string(kMaxPicturePixels) +
                   ", no " + quoted(value);
        }
    }
    if (picture.given && !picture.path)
        return "--vista, --tamano y --clasico dicen cómo dibujar la imagen de --imagen, que falta";
    return {};
}

// A problem as the words give it: the fields to compute, or why the words cannot be one.
struct Problem {
    FieldTexts fields;
    std::string malformed; // empty when every word is NAME=VALUE with a different NAME
};

Problem problemOf(std::span<const std::string_view> words) {
    Problem problem;
    std::array<bool, kElements> named{};
    for (const std::string_view word : words) {
        const std::size_t equals = word.find('=');
        if (equals == std::string_view::npos) {
            problem.malformed = quoted(word) + " no tiene la forma NOMBRE=VALOR";
            return problem;
        }
        const std::string_view name = word.substr(0, equals);
        const auto element = std::find_if(kAllElements.begin(), kAllElements.end(),
                                          [&](Element e) { return elementLetter(e) == name; });
        if (element == kAllElements.end()) {
            problem.malformed = quoted(name) + " no es el nombre de un elemento (a b c A B C)";
            return problem;
        }
        if (std::exchange(named[index(*element)], true)) {
            problem.malformed = "el elemento " + quoted(name) + " aparece más de una vez";
            return problem;
        }
        problem.fields[*element] = word.substr(equals + 1);
    }
    return problem;
}

ExitStatus statusOf(Outcome outcome) {
    switch (outcome) {
    case Outcome::Solved:
    case Outcome::BadDrawingData: // the command line draws nothing
        return kSolved;
    case Outcome::NoSolution:
        return kNoTriangle;
    case Outcome::Underdetermined:
    case Outcome::Overdetermined:
    case Outcome::NotReadWhole:
        break;
    }
    return kBadRequest;
}

// A solved problem: its table. Any other: its message and why, as one line.
struct Answer {
    ExitStatus status;
    std::string text;
    bool malformed = false; // the words were no problem at all
    Calculation calc{};
};

// Why values were not read whole, each named by its word's name.
std::string notReadWhole(const Calculation& calc) {
    std::string why;
    for (const Element e : kAllElements)
        if (calc.reading(e).partly()) {
            if (!why.empty())
                why += ' ';
            why += fieldReadingReason(elementLetter(e), calc.reading(e), Units{},
                                      Catalogue::spanish());
        }
    return why;
}

Answer answer(const Problem& problem) {
    if (!problem.malformed.empty())
        return {kBadRequest, "Datos mal escritos: " + problem.malformed, true};
    const Calculation calc = compute(problem.fields);
    const ExitStatus status = statusOf(calc.outcome);
    Answer a{status, {}, false, calc};
    if (status == kSolved) {
        a.text = resultsTable(calc, Units{}, Catalogue::spanish());
    } else {
        a.text = messageText(calc.outcome, Catalogue::spanish());
        const std::string why = calc.outcome == Outcome::NotReadWhole
                                    ? notReadWhole(calc)
                                    : reasonText(calc, Units{}, Catalogue::spanish());
        if (!why.empty())
            a.text += ": " + printable(why, kNoteLength);
    }
    return a;
}

// Draws the picture of a solved problem as `picture` asks, saying on `err` why it could not.
ExitStatus drawPicture(const Answer& a, const PictureOptions& picture, const PictureWriter& writer,
                       std::ostream& err) {
    const Calculation& calc = a.calc;
    if (!calc.scene) {
        err << "No se dibujó la imagen: "
            << messageText(Outcome::BadDrawingData, Catalogue::spanish());
        if (const std::string why = reasonText(calc, Units{}, Catalogue::spanish()); !why.empty())
            err << ": " << printable(why, kNoteLength);
        err << '\n';
        return kImageNotWritten;
    }
    if (!writer) {
        err << "No se dibujó la imagen: esta versión de esferica no dibuja.\n";
        return kImageNotWritten;
    }
    PictureRequest request{*picture.path, *calc.scene, calc.view, picture.pixels};
    request.scene.style = picture.classic ? PictureStyle::Classic : PictureStyle::Readable;
    if (const std::string failure = writer(request); !failure.empty()) {
        err << failure << '\n';
        return kImageNotWritten;
    }
    return kSolved;
}

// A line that is no problem but is copied to the output as it is: an empty one, one of blanks
// only and a comment, which begins with #.
bool isCopied(std::string_view line) {
    const auto first = std::find_if_not(line.begin(), line.end(), isBlank);
    return first == line.end() || *first == '#';
}

} // namespace

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

namespace {

// One problem a line of `in`, each answered by a block on `out`; blocks are separated by one
// blank line, and a problem that fails is the block "# message". An empty line or a comment is
// its own block, copied without its trailing blanks, so that the blocks still match the lines one
// to one. The exit status is the highest of the problems'.
int solveLines(std::istream& in, std::ostream& out) {
    int status = kSolved;
    std::string line, block;
    bool first = true;
    while (std::getline(in, line)) {
        block.clear();
        if (!std::exchange(first, false))
            block += '\n';
        if (isCopied(line)) {
            const auto last = std::find_if_not(line.rbegin(), line.rend(), isBlank);
            block.append(line.begin(), last.base());
            block += '\n';
            out << block;
            continue;
        }
        const Answer a = answer(problemOf(wordsOf(line)));
        status = std::max<int>(status, a.status);
        if (a.status == kSolved) {
            block += a.text;
        } else {
            block += "# ";
            block += a.text;
            block += '\n';
        }
        out << block;
    }
    return status;
}

} // namespace

std::optional<int> runCommandLine(std::span<const std::string_view> args, std::istream& in,
                                  std::ostream& out, std::ostream& err,
                                  const PictureWriter& writer) {
    if (args.empty())
        return std::nullopt;
    if (args[0] == kHelp) {
        out << kHelpText;
        return kSolved;
    }
    if (args[0] == kVersion) {
        out << "esferica " ESFERICA_VERSION "\n";
        return kSolved;
    }
    if (const std::optional<int> status = runNavigation(args, in, out, err))
        return status;
    if (args[0] != kSolve)
        return std::nullopt;

    std::vector<std::string_view> words;
    PictureOptions picture;
    if (const std::string malformed = takePictureOptions(args.subspan(1), words, picture);
        !malformed.empty() || (picture.path && words.size() == 1 && words[0] == kFromInput)) {
        err << "Opción mal dada: "
            << (malformed.empty() ? "--imagen dibuja un solo problema, no los de --resolver -"
                                  : malformed)
            << '\n'
            << kUsage;
        return kBadRequest;
    }
    if (words.size() == 1 && words[0] == kFromInput)
        return solveLines(in, out);
    Problem problem = problemOf(words);
    problem.fields[OptionField::Inclination] = picture.inclination;
    problem.fields[OptionField::Rotation] = picture.rotation;
    const Answer a = answer(problem);
    if (a.status == kSolved) {
        out << a.text;
    } else {
        err << a.text << '\n';
        if (a.malformed)
            err << kUsage;
    }
    if (a.status == kSolved && picture.path) {
        out.flush();
        return drawPicture(a, picture, writer, err);
    }
    return a.status;
}

} // namespace esferica

// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, through its entry point with string streams: what each request prints where,
// and its exit status.
#include "cli/resolver.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace esferica {
namespace {

struct Answer {
    std::optional<int> status;
    std::string out, err;
};

Answer run(const std::vector<std::string_view>& args, const std::string& input = {},
           const PictureWriter& writer = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    Answer r;
    r.status = runCommandLine(args, in, out, err, writer);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// Both triangles of a = 40, b = 60, A = 30, with their measures.
const std::string kFirst = "lado a\t40.0000000000\nlado b\t60.0000000000\n"
                           "lado c\t88.1145735353\nángulo A\t30.0000000000\n"
                           "ángulo B\t42.3492612199\nángulo C\t128.9731497010\n"
                           "exceso esférico\t21.3224109210\nárea\t0.3721462750\n"
                           "perímetro\t188.1145735353\nradio circunscrito\t47.7029344379\n"
                           "radio inscrito\t12.2396872152\n";
const std::string kSecond = "lado a\t40.0000000000\nlado b\t60.0000000000\n"
                            "lado c\t24.5052914127\nángulo A\t30.0000000000\n"
                            "ángulo B\t137.6507387801\nángulo C\t18.8226227950\n"
                            "exceso esférico\t6.4733615750\nárea\t0.1129814732\n"
                            "perímetro\t124.5052914127\nradio circunscrito\t38.9476765296\n"
                            "radio inscrito\t5.7939742545\n";
const std::string kBoth = kFirst + "Solución adicional\n" + kSecond;
const std::string kEquilateral = "lado a\t60.0000000000\nlado b\t60.0000000000\n"
                                 "lado c\t60.0000000000\nángulo A\t70.5287793655\n"
                                 "ángulo B\t70.5287793655\nángulo C\t70.5287793655\n"
                                 "exceso esférico\t31.5863380965\nárea\t0.5512855984\n"
                                 "perímetro\t180.0000000000\nradio circunscrito\t35.2643896828\n"
                                 "radio inscrito\t19.4712206345\n";
const std::string kUsage = "Uso: esferica --resolver NOMBRE=VALOR";
const std::string kEnglishUsage = "Usage: esferica --resolver NAME=VALUE";
// The help's great-circle example, Cádiz to New York, and a sight with its observed altitude.
const std::string kCadizNewYork = "distancia (millas)\t3101.2436614111\n"
                                  "distancia (km)\t5747.3760239585\n"
                                  "rumbo inicial\t296.3621282286\n"
                                  "rumbo final\t251.1427475784\n"
                                  "latitud del vértice\t43.9496516046\n"
                                  "longitud del vértice\t-46.0774664574\n"
                                  "rumbo loxodrómico\t274.2580775311\n"
                                  "distancia loxodrómica (millas)\t3178.4905059679\n";
const std::string kSight = "altura estimada\t61.1122429243\nazimut\t135.8423202675\n";
const std::string kIntercept = "diferencia de alturas (millas)\t3.2654245415\nsentido\thacia\n";

TEST(CommandLine, AnswersEachRequestOnItsStreamWithItsStatus) {
    struct Row {
        const char* name;
        std::vector<std::string_view> args;
        std::string input;
        std::optional<int> status;
        std::string out;       // standard output, exactly; "*" for anything not empty, "*TEXT" for
                               // any output that holds TEXT
        std::string errStarts; // the start of standard error; "" for nothing at all
        bool usage = false;    // standard error ends with the line of usage
    };
    const Row rows[] = {
        {"no arguments open the window", {}, "", std::nullopt, "", ""},
        {"toolkit arguments open the window", {"-platform", "offscreen"}, "", std::nullopt, "", ""},
        {"three sides", {"--resolver", "a=60", "b=60", "c=60"}, "", 0, kEquilateral, ""},
        {"any order, decimal comma",
         {"--resolver", "c=60", "A=70,5287793655", "b=60"},
         "",
         0,
         "*",
         ""},
        {"two triangles under their heading",
         {"--resolver", "a=40", "b=60", "A=30"},
         "",
         0,
         kBoth,
         ""},
        {"no triangle, and why",
         {"--resolver", "a=30", "b=40", "c=80"},
         "",
         1,
         "",
         "No existe solución: El lado c = 80° es mayor que a + b = 70°"},
        // A value not read whole was read as far as it went, with a note on standard error.
        {"degrees and minutes, and a value not read whole",
         {"--resolver", "a=6O", "b=60°", "c=60°0'"},
         "",
         2,
         "",
         "Datos mal escritos: En «a», «6O» no se leyó entero: se leyó 6 y no «O». ¿Es una letra O "
         "en lugar de un cero? Escriba «60».\n"},
        {"degrees and minutes, and the marks pasted from documents",
         {"--resolver", "a=49°30’", "b=49°30'15''", "c=49˚30'"},
         "",
         0,
         "*lado b\t49.5041666667\n",
         ""},
        {"a letter O for a zero",
         {"--resolver", "a=4O", "b=60", "c=60"},
         "",
         2,
         "",
         "Datos mal escritos: En «a», «4O» no se leyó entero: se leyó 4 y no «O». ¿Es una letra O "
         "en lugar de un cero? Escriba «40».\n"},
        {"a colatitude as the book writes it",
         {"--resolver", "b=90-36°32'", "a=49°32'", "C=67°32'"},
         "",
         2,
         "",
         "Datos mal escritos: En «b», «90-36°32'» no se leyó entero: se leyó 90 y no «-36°32'». El "
         "campo no hace operaciones: escriba el resultado, «53°28'».\n"},
        {"digits apart, and a word with no number",
         {"--resolver", "a=17 5", "b=hola", "c=60"},
         "",
         2,
         "",
         "Datos mal escritos: En «a», «17 5» no se leyó entero: se leyó 17 y no «5». ¿Quiso "
         "escribir «175», «17.5» o «17°5'»? En «b», «hola» no empieza por un número: no se leyó "
         "nada.\n"},
        {"two elements",
         {"--resolver", "a=60", "b=60"},
         "",
         2,
         "",
         "Sistema subdeterminado, por favor ingrese 3 datos: Se leyeron 2 datos: «lado a» = 60°, "
         "«lado b» = 60°; hacen falta 3."},
        {"four elements",
         {"--resolver", "a=60", "b=60", "c=60", "A=70"},
         "",
         2,
         "",
         "El programa no está preparado"},
        {"a word without =",
         {"--resolver", "a=60", "b60", "c=60"},
         "",
         2,
         "",
         "Datos mal escritos: «b60» no tiene la forma NOMBRE=VALOR",
         true},
        {"an unknown name",
         {"--resolver", "a=60", "d=60", "c=60"},
         "",
         2,
         "",
         "Datos mal escritos: «d» no es el nombre",
         true},
        {"a name twice",
         {"--resolver", "a=60", "a=60", "c=60"},
         "",
         2,
         "",
         "Datos mal escritos: el elemento «a» aparece más de una vez",
         true},
        {"bytes of no character quoted as such",
         {"--resolver", "\xff\x01=1"},
         "",
         2,
         "",
         "Datos mal escritos: «\\xFF\\x01» no es el nombre",
         true},
        {"a long word cut short",
         {"--resolver", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz"},
         "",
         2,
         "",
         "Datos mal escritos: «abcdefghijklmnopqrstuvwxyzabcdefghijklmn…» no",
         true},
        {"one problem a line, blocks a blank line apart",
         {"--resolver", "-"},
         "a=60 b=60 c=60\n\ta=40  b=60 A=30\r\nfoo\na=30 b=40 c=80",
         2,
         kEquilateral + "\n" + kBoth +
             "\n# Datos mal escritos: «foo» no tiene la forma NOMBRE=VALOR\n\n# No existe "
             "solución: El lado c = 80° es mayor que a + b = 70°: cada lado de un triángulo es "
             "menor que la suma de los otros dos.\n",
         ""},
        {"empty input", {"--resolver", "-"}, "", 0, "", ""},
        {"great-circle sailing",
         {"--ortodromica", "36°32'N 6°18'O", "40°28'N 73°50'O"},
         "",
         0,
         kCadizNewYork,
         ""},
        {"the four angles as words, and a radius",
         {"--ortodromica", "36°32'N", "6°18'O", "40°28'N", "73°50'O", "--radio", "6371"},
         "",
         0,
         kCadizNewYork,
         ""},
        {"antipodal points: no course and no vertex",
         {"--ortodromica", "10 10", "-10 -170", "--radio", "1"},
         "",
         0,
         "distancia (millas)\t10800.0000000000\ndistancia (km)\t3.1415926536\n"
         "rumbo inicial\tindeterminado\nrumbo final\tindeterminado\n"
         "latitud del vértice\tno definido\nlongitud del vértice\tno definido\n"
         "rumbo loxodrómico\t96.3723617984\ndistancia loxodrómica (millas)\t10811.8288900295\n",
         ""},
        {"a position not read whole",
         {"--ortodromica", "36°32'X 6°18'O", "40°28'N 73°50'O"},
         "",
         2,
         "",
         "Datos mal escritos: En la latitud de salida se leyó «36°32'»; no se leyó «X 6°18'O».\n"
         "Uso: esferica --ortodromica"},
        {"a radius of 0",
         {"--ortodromica", "36N 6W", "40N 73W", "--radio", "0"},
         "",
         2,
         "",
         "Datos mal escritos: El radio «0» no es un número de kilómetros mayor que 0."},
        // Half a great circle of that radius is beyond the doubles: the distance could not be
        // written.
        {"a radius too large for the longest distance",
         {"--ortodromica", "0 0", "0 179", "--radio", "1e308"},
         "",
         2,
         "",
         "Datos mal escritos: El radio «1e308» no es un número de kilómetros mayor que 0."},
        {"a sight and its intercept",
         {"--altura", "latitud=43°00,0'N", "declinacion=20°06,0'N", "horario=339",
          "observada=61°10,0'"},
         "",
         0,
         kSight + kIntercept,
         ""},
        {"the Greenwich hour angle and the longitude, blanks in a value",
         {"--altura", "latitud=43° 00,0' N", "declinacion=20°06,0'N", "horario_greenwich=350",
          "longitud=11W"},
         "",
         0,
         kSight,
         ""},
        {"sailing problems a line, the radius for all",
         {"--ortodromica", "--radio", "1", "-"},
         "# along the equator\n0 0 0 90\n0 0 95 0\n",
         2,
         "# along the equator\n\ndistancia (millas)\t5400.0000000000\ndistancia "
         "(km)\t1.5707963268\n"
         "rumbo inicial\t90.0000000000\nrumbo final\t90.0000000000\n"
         "latitud del vértice\tno definido\nlongitud del vértice\tno definido\n"
         "rumbo loxodrómico\t90.0000000000\ndistancia loxodrómica (millas)\t5400.0000000000\n"
         "\n# Datos mal escritos: En la latitud de llegada se leyó 95°, más de 90° al norte o al "
         "sur.\n",
         ""},
        {"sights a line, a body at the zenith",
         {"--altura", "-"},
         "latitud=43°00,0'N declinacion=20°06,0'N horario=339 observada=61°10,0'\n"
         "latitud=20 declinacion=20 horario=0\n\nlatitud=20\n",
         2,
         kSight + kIntercept +
             "\naltura estimada\t90.0000000000\nazimut\tindeterminado\n"
             "\n\n\n# Datos mal escritos: Falta la declinación.\n",
         ""},
        // An empty line was a problem of no elements.
        {"comments and empty lines are copied, a value not read whole is refused",
         {"--resolver", "-"},
         "# sides of 60\r\na=60 b=60 c=60\n\n  \t\n  # a slip\na=4O b=60 c=60\n",
         2,
         "# sides of 60\n\n" + kEquilateral +
             "\n\n\n\n\n  # a slip\n\n# Datos mal escritos: En "
             "«a», «4O» no se leyó entero: se leyó 4 y no «O». ¿Es una "
             "letra O en lugar de un cero? Escriba «40».\n",
         ""},
        {"help lists the forms read", {"--help"}, "", 0, "*49°30'15\"  49° 30,5'", ""},
        {"version", {"--version"}, "", 0, "*", ""},
        // How the answers are written: options before or after the verb, in every verb's place.
        {"in English",
         {"--idioma", "en", "--resolver", "a=60", "b=60", "c=60"},
         "",
         0,
         "*side a\t60.0000000000\nside b",
         ""},
        {"a message in English",
         {"--resolver", "a=30", "b=40", "c=80", "--idioma", "en"},
         "",
         1,
         "",
         "No solution exists: Side c = 80° is greater than a + b = 70°"},
        {"degrees, minutes and seconds to whole seconds",
         {"--formato", "gms", "--resolver", "a=60", "b=60", "c=60", "--decimales", "0"},
         "",
         0,
         "*ángulo A\t70° 31′ 44″\n",
         ""},
        {"decimal minutes with their default decimals",
         {"--resolver", "a=60", "b=60", "c=60", "--formato", "gm"},
         "",
         0,
         "*ángulo A\t70° 31.726762′\n",
         ""},
        {"radians typed and shown",
         {"--resolver", "a=1.0471975511965976 rad", "b=60", "c=60", "--formato", "rad",
          "--decimales", "4"},
         "",
         0,
         "*lado a\t1.0472 rad\nlado b\t1.0472 rad",
         ""},
        {"fewer decimals",
         {"--decimales", "3", "--resolver", "a=60", "b=60", "c=60"},
         "",
         0,
         "*ángulo A\t70.529\n",
         ""},
        {"a header, then a line for each triangle",
         {"--tsv", "--resolver", "-"},
         "a=40 b=60 A=30\n# none\na=30 b=40 c=80\n",
         1,
         "triángulo\ta dado\tb dado\tc dado\tA dado\tB dado\tC dado\tlado a\tlado b\tlado c"
         "\tángulo A\tángulo B\tángulo C\texceso esférico\tárea\tperímetro\tradio circunscrito"
         "\tradio inscrito\tmensaje\n"
         "Solución\t40\t60\t\t30\t\t\t40.0000000000\t60.0000000000\t88.1145735353"
         "\t30.0000000000\t42.3492612199\t128.9731497010\t21.3224109210\t0.3721462750"
         "\t188.1145735353\t47.7029344379\t12.2396872152\t\n"
         "Solución adicional\t40\t60\t\t30\t\t\t40.0000000000\t60.0000000000\t24.5052914127"
         "\t30.0000000000\t137.6507387801\t18.8226227950\t6.4733615750\t0.1129814732"
         "\t124.5052914127\t38.9476765296\t5.7939742545\t\n"
         "# none\n"
         "Solución\t30\t40\t80\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tNo existe solución: El lado c = "
         "80° es mayor que a + b = 70°: cada lado de un triángulo es menor que la suma de los "
         "otros "
         "dos.\n",
         ""},
        {"an angle form the program does not know",
         {"--resolver", "a=60", "b=60", "c=60", "--formato", "grados"},
         "",
         2,
         "",
         "Opción mal dada: --formato espera decimal, gms, gm o rad, no «grados»",
         true},
        {"too many decimals, said in English",
         {"--decimales", "13", "--idioma", "en", "--resolver", "a=60"},
         "",
         2,
         "",
         "Option wrongly given: --decimales expects a whole number of decimals from 0 to 12, not "
         "“13”",
         true},
        {"a sight in English",
         {"--altura", "latitud=43", "declinacion=20", "--idioma", "en"},
         "",
         2,
         "",
         "Badly written data: Missing: the local hour angle.\nUsage: esferica --altura"},
        {"great-circle sailing in English",
         {"--idioma", "en", "--ortodromica", "0°N 0°E", "0°N 90°E"},
         "",
         0,
         "*distance (NM)\t5400.0000000000\n",
         ""},
        {"an option without its value",
         {"--resolver", "a=60", "--idioma"},
         "",
         2,
         "",
         "Opción mal dada: --idioma necesita un valor",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Answer r = run(row.args, row.input);
        EXPECT_EQ(r.status, row.status);
        if (row.out.starts_with("*")) {
            EXPECT_FALSE(r.out.empty());
            EXPECT_NE(r.out.find(row.out.substr(1)), std::string::npos) << r.out;
        } else {
            EXPECT_EQ(r.out, row.out);
        }
        EXPECT_TRUE(r.err.starts_with(row.errStarts)) << r.err;
        EXPECT_EQ(r.err.empty(), row.errStarts.empty()) << r.err;
        EXPECT_EQ(r.err.find(kUsage) != std::string::npos ||
                      r.err.find(kEnglishUsage) != std::string::npos,
                  row.usage)
            << r.err;
    }
}

// --procedimiento prints each problem's working before its table, or before its message; words
// that are no problem print none.
TEST(CommandLine, TheWorkingComesBeforeEachTable) {
    struct Row {
        const char* name;
        std::vector<std::string_view> args;
        std::string input;
        int status;
        std::vector<std::string> inOrder; // on standard output, one after the other
        std::size_t workings;
    };
    const Row rows[] = {
        {"words",
         {"--resolver", "a=40", "b=60", "A=30", "--procedimiento"},
         "",
         0,
         {"Procedimiento\n",
          std::string("sen B = sen b·sen A / sen a = sen 60.0000000000°·sen 30.0000000000° / "
                      "sen 40.0000000000° = 0.673648177667 ≤ 1"),
          "→ c = 88.1145735353°", "Comprobación por el teorema del coseno", "\n\n" + kBoth},
         1},
        {"in degrees, minutes and seconds: the table's form",
         {"--resolver", "a=40", "b=60", "A=30", "--procedimiento", "--formato", "gms"},
         "",
         0,
         {"sen B = sen b·sen A / sen a = sen (60° 0′ 0.0000″)·sen (30° 0′ 0.0000″) / "
          "sen (40° 0′ 0.0000″) = 0.673648177667 ≤ 1",
          "→ c = 88° 6′ 52.4647″", "lado c\t88° 6′ 52.4647″\n"},
         1},
        {"the flag first",
         {"--resolver", "--procedimiento", "a=60", "b=60", "c=60"},
         "",
         0,
         {"Caso: tres lados.", "\n\n" + kEquilateral},
         1},
        {"no triangle: the working says why",
         {"--resolver", "a=30", "b=40", "c=80", "--procedimiento"},
         "",
         1,
         {"✗ el lado c es menor que la suma de los otros dos", "No existe solución."},
         1},
        {"standard input, one working a problem",
         {"--resolver", "-", "--procedimiento"},
         "a=40 b=60 A=30\n# note\na=30 b=40 c=80\nd=1\n",
         2,
         {"Procedimiento\n", kBoth, "# note\n", "Procedimiento\n", "# No existe solución",
          "# Datos mal escritos"},
         2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Answer r = run(row.args, row.input);
        EXPECT_EQ(r.status, row.status);
        std::size_t at = 0;
        for (const std::string& part : row.inOrder) {
            at = r.out.find(part, at);
            ASSERT_NE(at, std::string::npos) << part << "\n" << r.out;
        }
        std::size_t workings = 0;
        for (std::size_t p = r.out.find("Procedimiento\n"); p != std::string::npos;
             p = r.out.find("Procedimiento\n", p + 1))
            ++workings;
        EXPECT_EQ(workings, row.workings);
    }
}

// Whatever arrives on standard input, every line gets its block and the status is that of its
// worst problem: a line of a megabyte, NUL bytes, invalid UTF-8, thousands of words.
TEST(CommandLine, EveryLineOfAnyInputGetsItsBlock) {
    std::string input = "a=" + std::string(1 << 20, '6') + " b=60 c=60\n";
    const char nul[] = "a=6\0"
                       "0 b=60 c=60\n";
    input += std::string(nul, sizeof nul - 1);
    input += "a=\xc3\x28 b=60 c=60\n";
    for (int i = 0; i < 5000; ++i)
        input += "a=60 ";
    input += "\n";
    const Answer r = run({"--resolver", "-"}, input);
    EXPECT_EQ(r.status, 2);
    // Values not read whole were read as far as they went, with a note on standard error naming
    // the line; they are refused in their blocks now, their bytes shown printable.
    EXPECT_EQ(r.err, "");
    std::size_t blocks = 1;
    for (std::size_t at = r.out.find("\n\n"); at != std::string::npos;
         at = r.out.find("\n\n", at + 1))
        ++blocks;
    EXPECT_EQ(blocks, 4u) << r.out;
    // A side of a million digits does not fit a double: no element; "6" then a NUL is not read
    // whole.
    EXPECT_TRUE(r.out.starts_with("# Sistema subdeterminado")) << r.out;
    EXPECT_NE(r.out.find("\n# Datos mal escritos: En «a», «6\\x000» no se leyó entero: se leyó 6 "
                         "y no «\\x000».\n\n# Datos mal escritos: En «a», «\\xC3(» no empieza por "
                         "un número: no se leyó nada.\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(r.out.ends_with("aparece más de una vez\n")) << r.out;
}

// --imagen hands the solved scene to the program's picture writer, under the view and at the size
// asked for, in the picture asked for, and prints the table as without it; malformed options and
// a picture that cannot be drawn or written say why, with their own exit status.
TEST(CommandLine, ImageOptionsHandTheSceneToTheWriter) {
    struct Row {
        const char* name;
        std::vector<std::string_view> args;
        std::string failure; // what the writer answers
        int status;
        bool written;          // the writer was asked
        std::string errStarts; // "" for nothing at all
        double inclination = 30, rotation = 10;
        int pixels = 353;
        PictureStyle style = PictureStyle::Readable;
    };
    const Row rows[] = {
        {"the defaults",
         {"--resolver", "a=40", "b=60", "A=30", "--imagen", "t.png"},
         "",
         0,
         true,
         ""},
        {"a view, a size and the classic picture, anywhere among the words",
         {"--resolver", "--vista", "-22.5,190", "a=40", "--clasico", "b=60", "--tamano", "1412",
          "A=30", "--imagen", "t.svg"},
         "",
         0,
         true,
         "",
         -22.5,
         190,
         1412,
         PictureStyle::Classic},
        // A view not read whole was drawn from its leading number, with a note.
        {"a view not read whole",
         {"--resolver", "a=40", "b=60", "A=30", "--imagen", "t.png", "--vista", "30x,10"},
         "",
         3,
         false,
         "No se dibujó la imagen: Error en datos de dibujo: En «Inclinación», «30x» no se leyó "
         "entero: se leyó 30 y no «x»."},
        {"the writer fails",
         {"--resolver", "a=40", "b=60", "A=30", "--imagen", "/no/t.png"},
         "No se pudo guardar la imagen en «/no/t.png»: no se puede crear un archivo ahí.",
         3,
         true,
         "No se pudo guardar la imagen en «/no/t.png»"},
        {"no triangle: no picture",
         {"--resolver", "a=30", "b=40", "c=80", "--imagen", "t.png"},
         "",
         1,
         false,
         "No existe solución"},
        {"a view beyond the double range",
         {"--resolver", "a=60", "b=60", "c=60", "--imagen", "t.png", "--vista", "1e400,10"},
         "",
         3,
         false,
         "No se dibujó la imagen: Error en datos de dibujo"},
        {"a view of one number",
         {"--resolver", "a=60", "b=60", "c=60", "--imagen", "t.png", "--vista", "30"},
         "",
         2,
         false,
         "Opción mal dada: --vista espera"},
        {"a size too small",
         {"--resolver", "a=60", "b=60", "c=60", "--imagen", "t.png", "--tamano", "15"},
         "",
         2,
         false,
         "Opción mal dada: --tamano espera un número entero de píxeles de 16 a 4096"},
        {"a size not a whole number",
         {"--resolver", "a=60", "b=60", "c=60", "--imagen", "t.png", "--tamano", "3.5e2"},
         "",
         2,
         false,
         "Opción mal dada: --tamano"},
        {"an option without its value",
         {"--resolver", "a=60", "b=60", "c=60", "--imagen"},
         "",
         2,
         false,
         "Opción mal dada: --imagen necesita un valor"},
        {"a view without --imagen",
         {"--resolver", "a=60", "b=60", "c=60", "--vista", "30,10"},
         "",
         2,
         false,
         "Opción mal dada: --vista, --tamano y --clasico"},
        {"--imagen with standard input",
         {"--resolver", "-", "--imagen", "t.png"},
         "",
         2,
         false,
         "Opción mal dada: --imagen dibuja un solo problema"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::optional<PictureRequest> asked;
        const Answer r = run(row.args, {}, [&](const PictureRequest& request) {
            asked = request;
            return row.failure;
        });
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(asked.has_value(), row.written);
        EXPECT_TRUE(r.err.starts_with(row.errStarts)) << r.err;
        EXPECT_EQ(r.err.empty(), row.errStarts.empty()) << r.err;
        if (row.status == 0 || row.status == 3) {
            EXPECT_TRUE(r.out.starts_with("lado a\t")) << "the table as without a picture";
        }
        if (!asked)
            continue;
        EXPECT_EQ(asked->path,
                  std::string(row.args[std::find(row.args.begin(), row.args.end(), "--imagen") -
                                       row.args.begin() + 1]));
        EXPECT_EQ(asked->view.inclination, row.inclination);
        EXPECT_EQ(asked->view.rotation, row.rotation);
        EXPECT_EQ(asked->pixels, row.pixels);
        EXPECT_EQ(asked->scene.style, row.style);
        EXPECT_TRUE(asked->scene.additional || row.args[2] == "a=60");
    }
    // Without a writer, a picture cannot be drawn.
    const Answer none = run({"--resolver", "a=60", "b=60", "c=60", "--imagen", "t.png"});
    EXPECT_EQ(none.status, 3);
    EXPECT_EQ(none.out, kEquilateral);
}

// Data on which the program once printed a wrong value, refused a triangle or dropped one: slivers,
// needles, lunes, near hemispheres, tiny elements, elements next to 180 degrees, double roots.
// Each answer must hold the lines given: the true value to ten decimals, checked against the
// triangle built from its vertices at 80 digits; where one unit in the last place of a datum
// moves the triangle further (next to a double root, on a near lune), the digits that the double
// read decides, or only the outcome.
TEST(CommandLine, PrintsTheTrueValuesOnTrianglesOfEveryShape) {
    struct Row {
        std::vector<std::string_view> args;
        int status;
        std::vector<std::string> lines; // each a whole line of standard output or error
    };
    const Row rows[] = {
        {{"b=179.999999998", "A=40", "C=60"},
         0,
         {"ángulo B\t160.0000000000", "exceso esférico\t80.0000000000",
          "radio inscrito\t0.0000000020"}},
        {{"A=60", "B=100", "C=139.99999999"}, 0, {"exceso esférico\t119.9999999900"}},
        {{"a=105", "c=95", "C=175"}, 0, {"exceso esférico\t348.4316141733"}},
        {{"a=0.001", "B=0.0001", "C=0.0002"}, 0, {"radio circunscrito\t59.0362434691"}},
        {{"b=30", "c=30", "A=0.00001"},
         0,
         {"ángulo B\t89.9999956699", "radio circunscrito\t15.0000000000"}},
        {{"a=90", "A=150", "B=150.000000000001"}, 0, {"radio inscrito\t75.0000000000"}},
        {{"a=0.0003", "B=0.0001", "C=0.0002"},
         0,
         {"exceso esférico\t0.0000000000", "radio circunscrito\t26.5650511773"}},
        {{"a=1e-15", "B=60", "C=60"}, 0, {"lado b\t0.0000000000", "ángulo A\t60.0000000000"}},
        {{"b=100", "c=30", "A=1e-14"}, 0, {"lado a\t70.0000000000", "ángulo B\t180.0000000000"}},
        {{"b=1e-16", "A=100", "B=30"},
         0,
         {"ángulo C\t50.0000000000", "Solución adicional", "ángulo C\t110.0000000000"}},
        {{"a=60.0000000000001", "b=90", "A=60"},
         0,
         {"Solución adicional", "ángulo C\t90.0000051308", "ángulo C\t89.9999948692"}},
        {{"a=29.9999999999999", "b=135", "A=45"},
         1,
         {"No existe solución: No se cierra ningún triángulo: con b = 135° y A = 45°, el lado a, "
          "opuesto a A, tendría que cumplir sen a ≥ sen b · sen A, y a = 30° es demasiado corto."}},
        {{"b=0.000260853447359389", "A=100.20987270032670", "C=26.0394018569004"},
         0,
         {"lado a\t0.0003183362"}},
    };
    for (const Row& row : rows) {
        std::vector<std::string_view> args{"--resolver"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        SCOPED_TRACE(::testing::Message()
                     << row.args[0] << " " << row.args[1] << " " << row.args[2]);
        const Answer r = run(args);
        EXPECT_EQ(r.status, row.status);
        const std::string text = "\n" + r.out + r.err;
        for (const std::string& line : row.lines)
            EXPECT_NE(text.find("\n" + line + "\n"), std::string::npos) << line << "\n" << text;
    }
}

} // namespace
} // namespace esferica

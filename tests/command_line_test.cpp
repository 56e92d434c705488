// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, through its entry point with string streams: what each request prints where,
// and its exit status.
#include "cli/resolver.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace esferica {
namespace {

struct Answer {
    std::optional<int> status;
    std::string out, err;
};

Answer run(const std::vector<std::string_view>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    Answer r;
    r.status = runCommandLine(args, in, out, err);
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

TEST(CommandLine, AnswersEachRequestOnItsStreamWithItsStatus) {
    struct Row {
        const char* name;
        std::vector<std::string_view> args;
        std::string input;
        std::optional<int> status;
        std::string out;       // standard output, exactly; "*" for anything not empty
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
        {"degrees and minutes, and a value not read whole",
         {"--resolver", "a=6O", "b=60°", "c=60°0'"},
         "",
         0,
         "*",
         "aviso: a=6O: Se leyó 6; no se leyó «O».\n"},
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
        {"help", {"--help"}, "", 0, "*", ""},
        {"version", {"--version"}, "", 0, "*", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Answer r = run(row.args, row.input);
        EXPECT_EQ(r.status, row.status);
        if (row.out == "*") {
            EXPECT_FALSE(r.out.empty());
        } else {
            EXPECT_EQ(r.out, row.out);
        }
        EXPECT_TRUE(r.err.starts_with(row.errStarts)) << r.err;
        EXPECT_EQ(r.err.empty(), row.errStarts.empty()) << r.err;
        EXPECT_EQ(r.err.find(kUsage) != std::string::npos, row.usage) << r.err;
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
    // The notes name their lines, their bytes shown printable.
    EXPECT_EQ(r.err, "línea 2: aviso: a=6\\x000: Se leyó 6; no se leyó «\\x000».\n"
                     "línea 3: aviso: a=\\xC3(: No se leyó nada: «\\xC3(» no empieza por un "
                     "número, y el campo cuenta como vacío.\n");
    std::size_t blocks = 1;
    for (std::size_t at = r.out.find("\n\n"); at != std::string::npos;
         at = r.out.find("\n\n", at + 1))
        ++blocks;
    EXPECT_EQ(blocks, 4u) << r.out;
    // A side of a million digits does not fit a double: no element; "6" then a NUL reads as 6.
    EXPECT_TRUE(r.out.starts_with("# Sistema subdeterminado")) << r.out;
    EXPECT_NE(r.out.find("\nlado a\t6.0000000000\n"), std::string::npos) << r.out;
    EXPECT_TRUE(r.out.ends_with("aparece más de una vez\n")) << r.out;
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

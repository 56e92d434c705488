// SPDX-License-Identifier: GPL-3.0-or-later
// The program's sentences in Spanish, UTF-8.
#include "present/catalogue.h"

namespace esferica {

std::string_view spanishText(Text id) {
    switch (id) {
    case Text::CaptionSideA:
        return "lado a";
    case Text::CaptionSideB:
        return "lado b";
    case Text::CaptionSideC:
        return "lado c";
    case Text::CaptionAngleA:
        return "ángulo A";
    case Text::CaptionAngleB:
        return "ángulo B";
    case Text::CaptionAngleC:
        return "ángulo C";
    case Text::CaptionLatSpacing:
        return "º red lat.";
    case Text::CaptionLongSpacing:
        return "º red long";
    case Text::CaptionInclination:
        return "Inclinación";
    case Text::CaptionRotation:
        return "Rotación";
    case Text::MeasureExcess:
        return "exceso esférico";
    case Text::MeasureArea:
        return "área";
    case Text::MeasurePerimeter:
        return "perímetro";
    case Text::MeasureCircumradius:
        return "radio circunscrito";
    case Text::MeasureInradius:
        return "radio inscrito";
    case Text::MessageUnderdetermined:
        return "Sistema subdeterminado, por favor ingrese 3 datos";
    case Text::MessageOverdetermined:
        return "El programa no está preparado para verificar sistemas sobredeterminados. Por "
               "favor ingrese sólo 3 datos";
    case Text::MessageNotReadWhole:
        return "Datos mal escritos";
    case Text::MessageNoSolution:
        return "No existe solución";
    case Text::MessageBadDrawingData:
        return "Error en datos de dibujo";
    case Text::CaseSSS:
        return "Tres lados";
    case Text::CaseAAA:
        return "Tres ángulos";
    case Text::CaseSAS:
        return "Dos lados y el ángulo comprendido";
    case Text::CaseASA:
        return "Dos ángulos y el lado comprendido";
    case Text::CaseSSA:
        return "Dos lados y el ángulo opuesto a uno de ellos (caso ambiguo)";
    case Text::CaseAAS:
        return "Dos ángulos y el lado opuesto a uno de ellos (caso ambiguo)";
    case Text::FormatDecimal:
        return "Grados decimales";
    case Text::FormatDegreesMinutesSeconds:
        return "Grados, minutos y segundos";
    case Text::FormatDegreesDecimalMinutes:
        return "Grados y minutos decimales";
    case Text::FormatRadians:
        return "Radianes";
    case Text::MeasureNotComputed:
        return "no se puede calcular";
    case Text::SolutionHeading:
        return "Solución";
    case Text::AdditionalHeading:
        return "Solución adicional";
    case Text::InputForms:
        return "Grados: 49,5 · 49°30' · 49°30'15\" (o 49.5, 49º30′15″) · radianes: 0,86 rad";
    case Text::StatusSideC:
        return "No se encontró solución gráfica para el lado c";
    case Text::StatusBothSidesC:
        return "No se encontró solución gráfica para los lados c de ambas soluciones";
    case Text::StatusAdditionalSideC:
        return "No se encontró solución gráfica para el lado c de la solución adicional";
    case Text::StatusPrimarySideC:
        return "No se encontró solución gráfica para el lado c de la solución";
    case Text::Quoted:
        return "«{text}»";
    case Text::ListMore:
        return "{list}, {item}";
    case Text::ListLast:
        return "{list} o {item}";
    case Text::HintSixty:
        return "Los minutos y los segundos deben ser menores que 60.";
    case Text::HintLetterForZero:
        return "¿Es una letra O en lugar de un cero? Escriba {text}.";
    case Text::HintLetterForOne:
        return "¿Es una letra l en lugar de un uno? Escriba {text}.";
    case Text::HintLettersForDigits:
        return "¿Son letras en lugar de cifras? Escriba {text}.";
    case Text::HintLettersForMarks:
        return "Los grados, los minutos y los segundos se escriben con sus signos: {text}.";
    case Text::HintOperation:
        return "El campo no hace operaciones: escriba el resultado, {text}.";
    case Text::HintSplitDigits:
        return "¿Quiso escribir {list}?";
    case Text::HintMinutesMark:
        return "Los minutos llevan su signo: escriba {text}.";
    case Text::HintSecondsMark:
        return "Los segundos llevan su signo: escriba {text}.";
    case Text::HintMinutesWithoutDegrees:
        return "Los minutos van tras los grados: escriba {text}.";
    case Text::NoteNothingRead:
        return "No se leyó nada: {left} no empieza por un número.";
    case Text::NoteRead:
        return "Se leyó {read}; no se leyó {left}.";
    case Text::ReasonNothingRead:
        return "En {field}, {typed} no empieza por un número: no se leyó nada.";
    case Text::ReasonRead:
        return "En {field}, {typed} no se leyó entero: se leyó {read} y no {left}.";
    case Text::NamedValue:
        return "{field} = {value}";
    case Text::NamedText:
        return "{field} ({typed})";
    case Text::Formula:
        return "{letter} = {value}";
    case Text::SumFormula:
        return "{x} + {y} = {value}";
    case Text::CountNone:
        return "No se leyó ningún dato; hacen falta 3.";
    case Text::CountUnder:
        return "{n|Se leyó|Se leyeron} {n} {n|dato|datos}: {list}; hacen falta 3.";
    case Text::CountOver:
        return "{n|Se leyó|Se leyeron} {n} {n|dato|datos}: {list}; deje solo 3, vaciando los "
               "demás o escribiendo 0 en ellos.";
    case Text::NotCountedTooLarge:
        return "{field} no cuenta: {typed} es un número demasiado grande.";
    case Text::NotCountedZero:
        return "{field} vale 0, que significa «no dado».";
    case Text::ElementTooLarge:
        return "{named} es un número demasiado grande.";
    case Text::ElementOutOfRange:
        return "{named}: cada lado y cada ángulo de un triángulo esférico está estrictamente entre "
               "0° y 180°.";
    case Text::HintTypeMarks:
        return "Si son grados, minutos y segundos, escríbalos con sus signos: 40°25'30\".";
    case Text::HintLongitudes:
        return "Si es una diferencia de longitudes, use 360° − {value} = {rest}.";
    case Text::SidesGreater:
        return "El lado {side} es mayor que {sum}: cada lado de un triángulo es menor que la suma "
               "de los otros dos.";
    case Text::SidesEqual:
        return "El lado {side} es igual a {sum}: el triángulo sería plano, y cada lado de un "
               "triángulo es menor que la suma de los otros dos.";
    case Text::SidesSum:
        return "Los lados suman {value}: los de un triángulo esférico suman menos de 360°.";
    case Text::AnglesSum:
        return "Los ángulos suman {value}: los de un triángulo esférico suman más de 180°.";
    case Text::AnglesInequality:
        return "{sum} no es menor que 180° + {letter} = {value}: en un triángulo esférico dos "
               "ángulos suman menos que 180° más el tercero.";
    case Text::NoClosure:
        return "No se cierra ningún triángulo: los dos que permite la ley de los senos tendrían "
               "algún lado o ángulo fuera de 0° a 180°.";
    case Text::SineSide:
        return "No se cierra ningún triángulo: con {other} y {between}, el lado {x}, opuesto a "
               "{z}, tendría que cumplir sen {x} ≥ sen {y} · sen {z}, y {given} es demasiado "
               "corto.";
    case Text::SineAngle:
        return "No se cierra ningún triángulo: con {other} y {between}, el ángulo {x}, opuesto a "
               "{z}, tendría que cumplir sen {x} ≥ sen {y} · sen {z}, y {given} es demasiado "
               "pequeño.";
    case Text::Undetermined:
        return "Los datos no determinan el triángulo: los cumplen infinitos triángulos.";
    case Text::DegenerateSide:
        return "El lado {x} mediría exactamente {value}, y ningún lado ni ángulo de un triángulo "
               "mide 0° ni 180°.";
    case Text::DegenerateAngle:
        return "El ángulo {x} mediría exactamente {value}, y ningún lado ni ángulo de un "
               "triángulo mide 0° ni 180°.";
    case Text::Degenerate:
        return "El triángulo tendría un lado o un ángulo de exactamente 0° o 180°, y no sería un "
               "triángulo.";
    case Text::RuleInputs:
        return "Un campo solo se usa si se lee entero: corríjalo, o vacíelo si no es un dato.";
    case Text::RuleOptions:
        return "Las opciones de gráfico solo se usan si se leen enteras.";
    case Text::ParallelsEmpty:
        return "{field} está vacío: hace falta la separación de los paralelos en grados, distinta "
               "de 0.";
    case Text::ParallelsZero:
        return "{field} vale 0: hace falta la separación de los paralelos en grados, distinta de "
               "0.";
    case Text::MeridiansEmpty:
        return "{field} está vacío: hace falta la separación de los meridianos en grados, "
               "distinta de 0.";
    case Text::MeridiansZero:
        return "{field} vale 0: hace falta la separación de los meridianos en grados, distinta "
               "de 0.";
    case Text::ParallelsTooFine:
        return "{field} = {value}: harían falta más de {n} líneas de los paralelos; la "
               "separación más fina que se dibuja es {finest}.";
    case Text::MeridiansTooFine:
        return "{field} = {value}: harían falta más de {n} líneas de los meridianos; la "
               "separación más fina que se dibuja es {finest}.";
    case Text::OptionTooLarge:
        return "{field} ({typed}) es un número demasiado grande.";
    case Text::AnnounceMessage:
        return "{message}. {reason}";
    case Text::AnnounceSolution:
        return "Solución: {elements}.";
    case Text::AnnounceAdditional:
        return "Solución adicional: {elements}.";
    case Text::AnnounceElement:
        return "{caption} {value}";
    case Text::CliUsage:
        return "Uso: esferica --resolver NOMBRE=VALOR NOMBRE=VALOR NOMBRE=VALOR [--imagen ARCHIVO "
               "[--vista INCL,ROT] [--tamano PÍXELES] [--clasico]] | esferica --resolver - | "
               "esferica --help; con --resolver, [--idioma es|en] [--formato decimal|gms|gm|rad] "
               "[--decimales N] [--tsv] [--procedimiento]\n";
    case Text::CliHelp:
        return "Uso: esferica [--resolver NOMBRE=VALOR... | --resolver - | --ortodromica SALIDA "
               "LLEGADA |\n"
               "               --altura NOMBRE=VALOR... | --help | --version]\n"
               "\n"
               "Sin argumentos, abre la ventana de resolución de triángulos esféricos.\n"
               "\n"
               "  --resolver a=60 b=60 c=60  resuelve, sin ventana, el triángulo de los tres "
               "elementos\n"
               "                             dados e imprime sus seis elementos en grados, con "
               "diez\n"
               "                             decimales y punto decimal, y el triángulo adicional "
               "si existe\n"
               "  --resolver -               lee un problema por línea de la entrada estándar\n"
               "  --ortodromica \"36°30'N 6°20'W\" \"40°30'N 73°50'W\" [--radio KM]\n"
               "                             navegación por círculo máximo: distancia en millas "
               "y en\n"
               "                             kilómetros (radio de 6371 km si no se da), rumbos "
               "inicial y\n"
               "                             final, vértice, y rumbo y distancia loxodrómicos\n"
               "  --altura latitud=43°00,0'N declinacion=20°06,0'N horario=339 "
               "[observada=61°10,0']\n"
               "                             altura estimada y azimut, y con la altura observada "
               "la\n"
               "                             diferencia de alturas; horario_greenwich=G "
               "longitud=L\n"
               "                             en lugar de horario da el horario del lugar\n"
               "  --ortodromica -, --altura -\n"
               "                             leen un problema por línea de la entrada estándar\n"
               "  --imagen ARCHIVO           con --resolver y tres elementos, dibuja además el "
               "triángulo\n"
               "                             en ARCHIVO: SVG si termina en .svg, PDF si termina "
               "en .pdf,\n"
               "                             PNG en otro caso; no necesita pantalla\n"
               "  --vista INCL,ROT           la inclinación y la rotación del dibujo, en grados, "
               "separadas\n"
               "                             por una coma (decimales con punto); 30,10 si no se "
               "dice\n"
               "  --tamano PÍXELES           el lado del dibujo en píxeles, de 16 a 4096; 353 si "
               "no se\n"
               "                             dice (el dibujo de la ventana)\n"
               "  --clasico                  el dibujo clásico: líneas finas, sin nombres ni "
               "profundidad\n"
               "  --idioma es|en             el idioma de los textos: español (si no se dice) o "
               "inglés\n"
               "  --formato decimal|gms|gm|rad\n"
               "                             la forma de los ángulos de --resolver: grados "
               "decimales\n"
               "                             (si no se dice), grados, minutos y segundos, grados "
               "y\n"
               "                             minutos decimales, o radianes\n"
               "  --decimales N              los decimales de la última unidad, de 0 a 12; 10 en "
               "grados\n"
               "                             decimales y radianes, 4 en los segundos, 6 en los "
               "minutos\n"
               "  --tsv                      con --resolver, una línea por problema con "
               "columnas\n"
               "                             separadas por tabuladores, tras una línea de "
               "cabecera\n"
               "  --procedimiento            con --resolver, imprime antes de los resultados el\n"
               "                             procedimiento: el caso, las condiciones de "
               "existencia, "
               "las\n"
               "                             fórmulas con sus números y la comprobación\n"
               "  --help                     muestra esta ayuda\n"
               "  --version                  muestra la versión\n"
               "\n"
               "NOMBRE es a, b o c (lados) o A, B o C (ángulos); VALOR, en grados, se lee como en "
               "los\n"
               "campos de la ventana, y solo si se lee entero:\n"
               "  grados con decimales, con punto o coma     60  60,5  -40.25  1.5E2\n"
               "  grados, minutos y segundos con sus signos  49°30'  49°30'15\"  49° 30,5'\n"
               "    (también º ˚, ’ ′ para los minutos, ” ″ '' para los segundos)\n"
               "  radianes, con el sufijo rad                1,2 rad  0.5rad\n"
               "  un entero hexadecimal u octal              &HFF  &O17\n"
               "Un valor que no se lee entero (4O, 17 5, 90-36°32') es un dato mal escrito.\n"
               "Con -, cada línea es un problema; una línea vacía o que empieza por # se copia tal "
               "cual.\n"
               "Estado de salida: 0 resuelto, 1 no existe solución, 2 datos mal dados o mal "
               "escritos, 3\n"
               "resuelto pero la imagen no se pudo dibujar o guardar.\n";
    case Text::CliMalformed:
        return "Datos mal escritos: {why}";
    case Text::CliBadOption:
        return "Opción mal dada: {why}";
    case Text::CliNeedsValue:
        return "{option} necesita un valor";
    case Text::CliImageNeedsFile:
        return "--imagen necesita el nombre de un archivo";
    case Text::CliBadView:
        return "--vista espera la inclinación y la rotación en grados separadas por una coma, con "
               "punto decimal (por ejemplo 30,10 o 22.5,-40), no {word}";
    case Text::CliBadSize:
        return "--tamano espera un número entero de píxeles de {min} a {max}, no {word}";
    case Text::CliPictureWithoutImage:
        return "--vista, --tamano y --clasico dicen cómo dibujar la imagen de --imagen, que falta";
    case Text::CliImageOfOne:
        return "--imagen dibuja un solo problema, no los de --resolver -";
    case Text::CliNotNameValue:
        return "{word} no tiene la forma NOMBRE=VALOR";
    case Text::CliNotElement:
        return "{word} no es el nombre de un elemento (a b c A B C)";
    case Text::CliElementTwice:
        return "el elemento {word} aparece más de una vez";
    case Text::CliImageNotDrawn:
        return "No se dibujó la imagen: {why}";
    case Text::CliCannotDraw:
        return "esta versión de esferica no dibuja.";
    case Text::CliBadLanguage:
        return "--idioma espera es o en, no {word}";
    case Text::CliBadFormat:
        return "--formato espera decimal, gms, gm o rad, no {word}";
    case Text::CliBadDecimals:
        return "--decimales espera un número entero de decimales de 0 a {max}, no {word}";
    case Text::TsvTriangle:
        return "triángulo";
    case Text::TsvGiven:
        return "{letter} dado";
    case Text::TsvMessage:
        return "mensaje";
    case Text::WinTitle:
        return "Resolución de triángulos esféricos";
    case Text::WinCalculate:
        return "&Calcular";
    case Text::WinEnterData:
        return "Ingrese los datos conocidos:";
    case Text::WinAdditional:
        return "Solución adicional (si existe)";
    case Text::WinDrawingOptions:
        return "Opciones de gráfico:";
    case Text::ActHelp:
        return "Ayuda";
    case Text::LayerFarSide:
        return "Cara oculta";
    case Text::LayerGrid:
        return "Red";
    case Text::LayerSolution:
        return "Solución";
    case Text::LayerAdditional:
        return "Solución adicional";
    case Text::LayerNames:
        return "Nombres";
    case Text::LayerHalos:
        return "Fondo de los nombres";
    case Text::WinWorking:
        return "&Procedimiento";
    case Text::WinNavigation:
        return "&Navegación…";
    case Text::ActWorking:
        return "Procedimiento";
    case Text::ActNavigation:
        return "Navegación…";
    case Text::WorkingTitle:
        return "Procedimiento";
    case Text::WorkingSearchHint:
        return "Buscar en el procedimiento";
    case Text::WorkingSearch:
        return "Buscar";
    case Text::WorkingFindNext:
        return "Buscar &siguiente";
    case Text::WorkingPrint:
        return "&Imprimir…";
    case Text::WorkingClose:
        return "Cerrar";
    case Text::ActFace:
        return "Mirar al triángulo";
    case Text::ActCopyResults:
        return "Copiar resultados";
    case Text::ActCopyImage:
        return "Copiar imagen";
    case Text::ActSaveImage:
        return "Guardar imagen…";
    case Text::ActExportSheet:
        return "Exportar hoja…";
    case Text::ActClassic:
        return "Dibujo clásico";
    case Text::ActSideNames:
        return "Nombres de los lados";
    case Text::ActCopy:
        return "&Copiar";
    case Text::ActSelectAll:
        return "Seleccionar todo";
    case Text::MenuLanguage:
        return "Idioma / Language";
    case Text::LanguageSpanish:
        return "Español";
    case Text::LanguageEnglish:
        return "English";
    case Text::HeadExcess:
        return "exceso";
    case Text::HeadArea:
        return "área";
    case Text::HeadPerimeter:
        return "perímetro";
    case Text::MeaningExcess:
        return "Exceso esférico: A + B + C − 180°";
    case Text::MeaningArea:
        return "Área sobre la esfera de radio 1, en estereorradianes (sr): el exceso en radianes";
    case Text::MeaningPerimeter:
        return "Perímetro: a + b + c";
    case Text::RowAdditional:
        return "Adicional";
    case Text::AccessibleNamed:
        return "{block}, {name}";
    case Text::AccessibleStatus:
        return "Estado del gráfico";
    case Text::AccessibleSphere:
        return "Esfera con el triángulo";
    case Text::AccessibleDiagram:
        return "Diagrama de los seis elementos";
    case Text::DiagramDescription:
        return "Un triángulo con los vértices A a la izquierda, B abajo a la derecha y C arriba; "
               "cada lado lleva la letra del vértice opuesto: a entre B y C, b entre A y C, c "
               "entre A y B.";
    case Text::CueRed:
        return "En el dibujo, en rojo";
    case Text::CueBlue:
        return "En el dibujo, en azul";
    case Text::PictureNothing:
        return "Nada dibujado: la esfera y el triángulo aparecen al calcular.";
    case Text::PictureSphere:
        return "La esfera en una red de paralelos y meridianos, vista con inclinación "
               "{inclination} y rotación {rotation}, ";
    case Text::PictureClassicOne:
        return "con el triángulo resuelto en rojo: el vértice C en el polo norte y los lados a y b "
               "sobre meridianos.";
    case Text::PictureClassicTwo:
        return "con los dos triángulos resueltos en rojo: el vértice C en el polo norte y los "
               "lados a y b sobre meridianos.";
    case Text::PictureReadableOne:
        return "con el triángulo resuelto en rojo, de vértices {first}. El vértice C está en el "
               "polo norte y los lados a y b sobre meridianos; la cara oculta de la esfera, en "
               "gris claro, y las partes ocultas de los triángulos, a trazos.";
    case Text::PictureReadableTwo:
        return "con dos triángulos: la solución en rojo, de vértices {first}, y la solución "
               "adicional en azul, de vértices {second}. El vértice C está en el polo norte y los "
               "lados a y b sobre meridianos; la cara oculta de la esfera, en gris claro, y las "
               "partes ocultas de los triángulos, a trazos.";
    case Text::PictureVertices:
        return "{a}, {b} y {c}";
    case Text::PictureMissingBoth:
        return " Falta el lado c de los dos triángulos: no se pudo dibujar.";
    case Text::PictureMissingPrimary:
        return " Falta el lado c de la solución: no se pudo dibujar.";
    case Text::PictureMissing:
        return " Falta el lado c: no se pudo dibujar.";
    case Text::PictureMissingAdditional:
        return " Falta el lado c de la solución adicional: no se pudo dibujar.";
    case Text::DialogSaveImage:
        return "Guardar imagen";
    case Text::FilterPng:
        return "Imagen PNG de {width} × {height} píxeles (*.png)";
    case Text::FilterSvg:
        return "Imagen SVG (*.svg)";
    case Text::FileImage:
        return "triangulo";
    case Text::DialogExportSheet:
        return "Exportar hoja";
    case Text::FilterPdf:
        return "Documento PDF (*.pdf)";
    case Text::FileSheet:
        return "hoja";
    case Text::WriteCannotCreate:
        return "no se puede crear un archivo ahí (compruebe que la carpeta existe y que tiene "
               "permiso de escritura)";
    case Text::WriteFailed:
        return "la escritura falló (¿está lleno el disco?)";
    case Text::WriteNotReplaced:
        return "no se pudo reemplazar el archivo que ya existía";
    case Text::WriteError:
        return "error al escribir el archivo";
    case Text::WriteFailure:
        return "No se pudo guardar la imagen en {path}: {why}. No se ha escrito nada.";
    case Text::SheetData:
        return "Datos";
    case Text::SheetCase:
        return "Caso: {case}";
    case Text::SheetView:
        return "Vista: inclinación {inclination}, rotación {rotation}";
    case Text::SheetDate:
        return "d 'de' MMMM 'de' yyyy";
    case Text::NavSailingUsage:
        return "Uso: esferica --ortodromica SALIDA LLEGADA [--radio KM] | esferica --ortodromica "
               "-\n";
    case Text::NavSightUsage:
        return "Uso: esferica --altura latitud=L declinacion=D horario=H [observada=A] | esferica "
               "--altura latitud=L declinacion=D horario_greenwich=G longitud=L [observada=A] | "
               "esferica --altura -\n";
    case Text::NavUndetermined:
        return "indeterminado";
    case Text::NavUndefined:
        return "no definido";
    case Text::NavMissing:
        return "Falta {field}.";
    case Text::NavNoNumber:
        return "No se leyó {field}: {left} no empieza por un número.";
    case Text::NavTooLarge:
        return "En {field}, {read} es un número demasiado grande.";
    case Text::NavNotReadWhole:
        return "En {field} se leyó {read}; no se leyó {left}.";
    case Text::NavLatitudeLetter:
        return "En {field}, la letra {letter} no es N ni S: se escribe primero la latitud y "
               "después la longitud.";
    case Text::NavLongitudeLetter:
        return "En {field}, la letra {letter} no es E, W ni O: se escribe primero la latitud y "
               "después la longitud.";
    case Text::NavExtraLetter:
        return "En {field} sobra la letra {letter}: solo las latitudes, las declinaciones y las "
               "longitudes llevan letra de hemisferio.";
    case Text::NavSignAndLetter:
        return "En {field} hay un signo y la letra {letter}: basta con uno de los dos.";
    case Text::NavLatitudeRange:
        return "En {field} se leyó {value}, más de 90° al norte o al sur.";
    case Text::NavLongitudeRange:
        return "En {field} se leyó {value}, más de 180° al este o al oeste.";
    case Text::NavHourAngleRange:
        return "En {field} se leyó {value}, fuera de 0° a 360°.";
    case Text::NavAltitudeRange:
        return "En {field} se leyó {value}, más de 90° sobre o bajo el horizonte.";
    case Text::NavExtraText:
        return "Sobra {left} tras {field}.";
    case Text::NavDepartureLatitude:
        return "la latitud de salida";
    case Text::NavDepartureLongitude:
        return "la longitud de salida";
    case Text::NavArrivalLatitude:
        return "la latitud de llegada";
    case Text::NavArrivalLongitude:
        return "la longitud de llegada";
    case Text::NavLatitude:
        return "la latitud";
    case Text::NavDeclination:
        return "la declinación";
    case Text::NavHourAngle:
        return "el horario del lugar";
    case Text::NavGreenwichHourAngle:
        return "el horario en Greenwich";
    case Text::NavLongitude:
        return "la longitud";
    case Text::NavObserved:
        return "la altura observada";
    case Text::NavRadiusTwice:
        return "El radio aparece más de una vez.";
    case Text::NavRadiusMissing:
        return "Falta el radio en kilómetros después de --radio.";
    case Text::NavRadiusBad:
        return "El radio {radius} no es un número de kilómetros mayor que 0.";
    case Text::NavNotDatum:
        return "{name} no es el nombre de un dato: latitud, declinacion, horario, "
               "horario_greenwich, longitud u observada.";
    case Text::NavNotNameValue:
        return "{text} no tiene la forma NOMBRE=VALOR.";
    case Text::NavDatumTwice:
        return "El dato {name} aparece más de una vez.";
    case Text::NavBothHourAngles:
        return "Se dieron el horario del lugar y el horario en Greenwich: basta con uno de los "
               "dos.";
    case Text::NavLongitudeMissing:
        return "Falta la longitud, que con el horario en Greenwich da el horario del lugar.";
    case Text::NavLongitudeExtra:
        return "Sobra la longitud: solo se usa con el horario en Greenwich.";
    case Text::NavDistanceMiles:
        return "distancia (millas)";
    case Text::NavDistanceKm:
        return "distancia (km)";
    case Text::NavInitialCourse:
        return "rumbo inicial";
    case Text::NavFinalCourse:
        return "rumbo final";
    case Text::NavVertexLatitude:
        return "latitud del vértice";
    case Text::NavVertexLongitude:
        return "longitud del vértice";
    case Text::NavRhumbCourse:
        return "rumbo loxodrómico";
    case Text::NavRhumbMiles:
        return "distancia loxodrómica (millas)";
    case Text::NavAltitude:
        return "altura estimada";
    case Text::NavAzimuth:
        return "azimut";
    case Text::NavIntercept:
        return "diferencia de alturas (millas)";
    case Text::NavSense:
        return "sentido";
    case Text::NavToward:
        return "hacia";
    case Text::NavAway:
        return "desde";
    case Text::NavNoSense:
        return "ninguno";
    case Text::NavWindowTitle:
        return "Navegación";
    case Text::NavTabSailing:
        return "&Ortodrómica";
    case Text::NavTabSight:
        return "Triángulo de &posición";
    case Text::NavCaptionDeparture:
        return "&Salida:";
    case Text::NavCaptionArrival:
        return "&Llegada:";
    case Text::NavCaptionRadius:
        return "&Radio (km):";
    case Text::NavCaptionLatitude:
        return "La&titud:";
    case Text::NavCaptionDeclination:
        return "&Declinación:";
    case Text::NavCaptionHourAngle:
        return "&Horario del lugar:";
    case Text::NavCaptionGreenwich:
        return "o en &Greenwich:";
    case Text::NavCaptionLongitude:
        return "y lo&ngitud:";
    case Text::NavCaptionObserved:
        return "Altura o&bservada:";
    case Text::NavCaptionCalculate:
        return "&Calcular";
    case Text::NavCaptionShowTriangle:
        return "&Ver en el triángulo";
    case Text::NavCaptionCopy:
        return "Cop&iar";
    case Text::NavCaptionPicture:
        return "Dibujo del problema";
    case Text::NavTipPosition:
        return "Latitud y después longitud, con N o S y E, W u O (36°32′ N 6°18′ W, 36°32,5′N "
               "6°18′O), o en grados con signo, norte y este positivos (36,54 -6,3)";
    case Text::NavTipRadius:
        return "Radio de la esfera para la distancia en kilómetros; vacío, 6371 km, el radio "
               "medio de la Tierra";
    case Text::NavTipLatitude:
        return "Latitud del observador, con N o S o con signo";
    case Text::NavTipDeclination:
        return "Declinación del astro, con N o S o con signo";
    case Text::NavTipHourAngle:
        return "Horario del lugar, de 0° a 360° hacia el oeste; o bien el horario en Greenwich y "
               "la longitud";
    case Text::NavTipGreenwich:
        return "Horario en Greenwich, con la longitud, en lugar del horario del lugar";
    case Text::NavTipLongitude:
        return "Longitud del observador, con E, W u O o con signo";
    case Text::NavTipObserved:
        return "Opcional: la altura observada, para la diferencia de alturas";
    case Text::NavTipShowTriangle:
        return "Pone el triángulo del problema en la ventana principal y lo resuelve allí";
    case Text::NavTipCopy:
        return "Copia los resultados como líneas de texto: nombre, tabulador y valor con diez "
               "decimales, como los escribe la línea de órdenes";
    case Text::NavTipPicture:
        return "El problema sobre el globo: el norte arriba y el este a la derecha, como en una "
               "carta";
    case Text::NavExampleLatitude:
        return "43°00,0′ N";
    case Text::NavExampleDeclination:
        return "20°06,0′ N";
    case Text::NavExampleObserved:
        return "61°10,0′";
    case Text::NavResultDistance:
        return "Distancia:";
    case Text::NavResultInitialCourse:
        return "Rumbo inicial:";
    case Text::NavResultFinalCourse:
        return "Rumbo final:";
    case Text::NavResultVertex:
        return "Vértice:";
    case Text::NavResultRhumbCourse:
        return "Rumbo loxodrómico:";
    case Text::NavResultRhumbDistance:
        return "Distancia loxodrómica:";
    case Text::NavResultAltitude:
        return "Altura estimada:";
    case Text::NavResultAzimuth:
        return "Azimut:";
    case Text::NavResultIntercept:
        return "Diferencia de alturas:";
    case Text::NavMilesAndKm:
        return "{miles} millas ({km} km)";
    case Text::NavInterceptToward:
        return "{miles} millas hacia";
    case Text::NavInterceptAway:
        return "{miles} millas desde";
    case Text::NavInterceptNone:
        return "{miles} millas";
    case Text::NavNoteBeyondRoute:
        return "El vértice queda más allá de la llegada: la derrota no pasa por él.";
    case Text::NavNoteMeridian:
        return "La derrota sigue un meridiano: no tiene vértice.";
    case Text::NavNoteEquator:
        return "La derrota sigue el ecuador: no tiene vértice.";
    case Text::NavNoteAntipodal:
        return "Salida y llegada son antípodas: todos los círculos máximos que las unen miden "
               "{miles} millas, y el rumbo queda indeterminado.";
    case Text::NavNoteCoincident:
        return "Salida y llegada son el mismo punto: no hay derrota ni rumbo.";
    case Text::NavNoteZenith:
        return "El astro está en el cenit: el azimut queda indeterminado.";
    case Text::NavNoteNadir:
        return "El astro está en el nadir: el azimut queda indeterminado.";
    case Text::NavNoTriangle:
        return "Este problema no tiene triángulo: uno de sus lados o de sus ángulos sería de 0° o "
               "de 180°.";
    case Text::NavRadiusReason:
        return "El radio {radius} no es un número de kilómetros mayor que 0: escríbalo entero, o "
               "vacíe el campo para tomar 6371 km.";
    }
    return {};
}

} // namespace esferica

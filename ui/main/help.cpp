#include "ui/main/help.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QScrollBar>
#include <QtGlobal>
#include <algorithm>
#include <span>

#include "core/diagram/picture.h"
#include "ui/services/version.h"

namespace app {

namespace {

// A piece of a section: a heading, a paragraph, an item of a list, or a row
// of the table of lines (with the look of its line).
enum class Kind { Head, Para, Item, Line };
struct Piece {
  Kind kind;
  const char* text;
  int look = -1;  // Line: the entry of kLegend
};

constexpr Kind H = Kind::Head, P = Kind::Para, I = Kind::Item, L = Kind::Line;

// A text marked in the tables below, in the user's language.
QString helpText(const char* text) { return QCoreApplication::translate("Help", text); }

// The lines of the diagram as composePicture draws them; the real processes
// and the cycle as picture.cpp draws them after its 36 lines.
const LegendLook kLegend[] = {
    {0, 0, 255, 2},                    // saturated liquid
    {0, 255, 0, 2},                    // saturated vapour
    {255, 0, 0, 1},                    // isobars 0.1, 1, 10, 100 MPa
    {0, 0, 0, 1},                      // the other isobars
    {0, 0, 0, 1},                      // the five lower isenthalps
    {0, 128, 0, 1, true},              // the five upper isenthalps
    {0, 128, 0, 1, true},              // solidification line
    {255, 0, 0, 3},                    // ideal process
    {255, 0, 0, 1, false, false, 3},   // ends of the processes
    {255, 0, 0, 3, true},              // real process: inlet to outlet
    {255, 0, 0, 2},                    // its ideal reference
    {150, 0, 200, 2},                  // cycle: isobars of the exchangers
    {150, 0, 200, 2, true},            // cycle: compressor, valve, expander
    {150, 0, 200, 1, false, false, 6}  // cycle: its states
};

const Piece kMain[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Главное окно открывается при запуске программы. В нем выбирают рабочее вещество, задают пределы и шкалу температуры TS диаграммы и размерности выводимых величин; его меню открывает остальные окна. В любом окне клавиша F1 открывает раздел руководства об этом окне.")},
    {H, QT_TRANSLATE_NOOP("Help", "Выбор вещества")},
    {P, QT_TRANSLATE_NOOP("Help", "В списке одиннадцать веществ: гелий, нормальный водород, параводород, неон, азот, аргон, кислород, диоксид углерода, метан, фреон 14 (CF4) и воздух. Щелчок по веществу рассчитывает все линии его TS диаграммы и открывает ее. Линии процессов прежнего вещества с диаграммы снимаются, циклы ожижения начинаются с данных нового вещества; таблицы сохраняют все строки.")},
    {P, QT_TRANSLATE_NOOP("Help", "Рядом со списком — справка о выбранном веществе: его обозначение, молекулярная масса, критические температура и давление, температура кипения при 0,1 МПа и температура тройной точки (у гелия тройной точки нет, указана нижняя граница расчета 2,2 К). Это постоянные уравнения состояния программы (см. <a href=\"#model\">Модель свойств веществ</a>).")},
    {H, QT_TRANSLATE_NOOP("Help", "Пределы температуры")},
    {P, QT_TRANSLATE_NOOP("Help", "«Максимальная т-ра» и «Минимальная т-ра» — пределы оси температуры диаграммы, К. При выборе вещества минимальная температура ставится на 0,0001 К выше тройной точки, максимальная — 350 К. Новое значение действует при выходе из поля или по Enter: линии диаграммы рассчитываются заново.")},
    {I, QT_TRANSLATE_NOOP("Help", "Минимальная температура ниже температуры затвердевания исправляется на нее, о чем выводится сообщение.")},
    {I, QT_TRANSLATE_NOOP("Help", "Максимальная температура выше 500 К не принимается.")},
    {I, QT_TRANSLATE_NOOP("Help", "Минимальная температура должна быть ниже максимальной; иначе остается прежнее значение.")},
    {P, QT_TRANSLATE_NOOP("Help", "Если при новых пределах диаграмма не рассчитывается, остаются прежние пределы и линии. После изменения пределов линии идеальных процессов с диаграммы снимаются; таблица результатов остается.")},
    {H, QT_TRANSLATE_NOOP("Help", "Шкала и размерности")},
    {P, QT_TRANSLATE_NOOP("Help", "«Шкала температур диаграммы»: логарифмическая или линейная ось температуры; диаграмма перерисовывается сразу.")},
    {P, QT_TRANSLATE_NOOP("Help", "«Размерности выводимых величин»: удельные (кг/м3, кДж/кг, кДж/(кг·К)) или мольные (моль/л, Дж/моль, Дж/(моль·К)). Выбор действует во всех окнах: в отсчете по курсору, на оси энтропии и в подписях изоэнтальп, в таблицах, в окнах процессов и циклов. Значения, вводимые в окнах процессов, читаются в показанных размерностях. Температура всегда в К, давление в МПа. Программа хранит все величины в удельных единицах, поэтому переключение туда и обратно ничего не меняет.")},
    {H, QT_TRANSLATE_NOOP("Help", "Меню")},
    {I, QT_TRANSLATE_NOOP("Help", "«Файл» — рабочие файлы и запись диаграммы и таблиц (см. <a href=\"#files\">Рабочие файлы и автосохранение</a>).")},
    {I, QT_TRANSLATE_NOOP("Help", "«Точки» — таблица точек, снятых с диаграммы.")},
    {I, QT_TRANSLATE_NOOP("Help", "«Идеальн. процессы» и «Реальн. процессы» — окна расчета процессов.")},
    {I, QT_TRANSLATE_NOOP("Help", "«ТS диаграмма» — окно диаграммы; если вещество еще не выбрано, берется выделенное в списке.")},
    {I, QT_TRANSLATE_NOOP("Help", "«Выход» (и кнопка «Выход») — завершить работу; несохраненную работу программа предлагает сохранить.")},
    {I, QT_TRANSLATE_NOOP("Help", "«Справка» — это руководство (F1) и сведения о программе.")},
};

const Piece kDiagram[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Окно показывает TS диаграмму выбранного вещества: по горизонтали удельная энтропия s, по вертикали температура T, К, в логарифмической или линейной шкале. Пределы температуры задаются в главном окне, пределы энтропии программа находит по линиям диаграммы.")},
    {H, QT_TRANSLATE_NOOP("Help", "Линии")},
    {L, QT_TRANSLATE_NOOP("Help", "Левая ветвь пограничной кривой — насыщенная жидкость."), 0},
    {L, QT_TRANSLATE_NOOP("Help", "Правая ветвь — сухой насыщенный пар. Между ветвями (под куполом) влажный пар; ветви сходятся в критической точке."), 1},
    {L, QT_TRANSLATE_NOOP("Help", "Изобары 0,1; 1; 10 и 100 МПа, подписанные над графиком."), 2},
    {L, QT_TRANSLATE_NOOP("Help", "Остальные изобары: 0,05; 0,25; 0,5; 2,5; 5; 25 и 50 МПа. Под куполом изобара идет горизонтально: там она совпадает с изотермой насыщения. У гелия изобары только до 10 МПа; изобары ниже давления тройной точки (у аргона 0,05 МПа, у диоксида углерода до 0,5 МПа) проведены лишь в газе."), 3},
    {L, QT_TRANSLATE_NOOP("Help", "Пять изоэнтальп с меньшими значениями энтальпии."), 4},
    {L, QT_TRANSLATE_NOOP("Help", "Пять изоэнтальп с большими значениями. Изоэнтальпы проведены с круглым шагом; значение энтальпии (кДж/кг или Дж/моль) подписано у начала каждой."), 5},
    {L, QT_TRANSLATE_NOOP("Help", "Линия затвердевания: проходит через нижние концы изобар. Левее нее твердое тело, которое программа не рассчитывает."), 6},
    {L, QT_TRANSLATE_NOOP("Help", "Линии идеальных процессов (не больше десяти)."), 7},
    {L, QT_TRANSLATE_NOOP("Help", "Начальные и конечные точки процессов."), 8},
    {L, QT_TRANSLATE_NOOP("Help", "Реальный процесс: отрезок от входа до выхода устройства. Путь необратимого процесса не является линией состояний, поэтому показаны только его концы."), 9},
    {L, QT_TRANSLATE_NOOP("Help", "Идеальный процесс, с которым сравнивается реальный."), 10},
    {L, QT_TRANSLATE_NOOP("Help", "Цикл ожижения: изобары в теплообменниках."), 11},
    {L, QT_TRANSLATE_NOOP("Help", "Цикл ожижения: компрессор, дроссель и детандер."), 12},
    {L, QT_TRANSLATE_NOOP("Help", "Состояния цикла с их номерами (совпадающие состояния подписаны вместе: «1, 7»)."), 13},
    {P, QT_TRANSLATE_NOOP("Help", "Точки процессов за пределами диаграммы не рисуются; видимая часть линии остается.")},
    {H, QT_TRANSLATE_NOOP("Help", "Отсчет по курсору")},
    {P, QT_TRANSLATE_NOOP("Help", "Слева вверху показаны температура T и энтропия S под курсором мыши, в желтых полях — давление P, плотность d, энтальпия i и изобарная теплоемкость Cp этого состояния. Под куполом изобарная теплоемкость не определена (у чистого вещества бесконечна), и вместо нее показывается метка 1000000. Ниже графика курсор показывает Tmin, выше — Tmax; где состояния нет, поля сохраняют прежние значения.")},
    {H, QT_TRANSLATE_NOOP("Help", "Точки")},
    {P, QT_TRANSLATE_NOOP("Help", "Щелчок по диаграмме записывает состояние под курсором в следующую строку таблицы точек и показывает таблицу. На пределах температуры и при давлении не ниже наибольшей изобары вещества (100 МПа, у гелия 10 МПа) точка не записывается, но таблица показывается.")},
    {H, QT_TRANSLATE_NOOP("Help", "Запись и печать")},
    {P, QT_TRANSLATE_NOOP("Help", "Правая кнопка мыши открывает меню диаграммы: «Сохранить диаграмму...» (Ctrl+S) записывает ее со всеми линиями, подписями и осями в файл PNG, SVG или PDF; «Печать...» (Ctrl+P) печатает ее на альбомном листе. Записать диаграмму можно и из меню «Файл» главного окна. Кнопка «Назад» закрывает окно.")},
};

const Piece kPoints[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Окно «Точки с TS диаграммы» собирает состояния, снятые щелчком по диаграмме. Строки копятся за всю работу и для всех веществ и хранятся в рабочем файле.")},
    {H, QT_TRANSLATE_NOOP("Help", "Столбцы")},
    {I, QT_TRANSLATE_NOOP("Help", "N — номер точки; «Вещество» — обозначение вещества (N2, He, ...).")},
    {I, QT_TRANSLATE_NOOP("Help", "T, К и P, МПа — температура и давление.")},
    {I, QT_TRANSLATE_NOOP("Help", "d — плотность, i — удельная энтальпия, s — удельная энтропия, Ср — изобарная теплоемкость, в размерностях, выбранных в главном окне (у влажного пара вместо Ср метка 1000000).")},
    {I, QT_TRANSLATE_NOOP("Help", "x, % — степень сухости влажного пара, то есть массовая доля пара в нем; у однофазного состояния пусто.")},
    {H, QT_TRANSLATE_NOOP("Help", "Копирование и запись")},
    {P, QT_TRANSLATE_NOOP("Help", "Ctrl+C или «Копировать» в контекстном меню копирует выделенные ячейки, столбцы через табуляцию: они вставляются в электронную таблицу. «Копировать всё» копирует всю таблицу с заголовками, «Сохранить в CSV...» записывает ее в файл CSV в кодировке UTF-8 (разделитель «;», если в числах десятичная запятая, иначе «,»). Кнопка «Назад» закрывает окно, точки остаются.")},
};

const Piece kProcess[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Окно рассчитывает обратимый (идеальный) процесс вещества, выбранного в главном окне: начальное состояние задают два параметра, конечное — один, величину, постоянную в процессе, программа берет из начального состояния. Все величины отнесены к 1 кг (или к 1 моль) вещества.")},
    {H, QT_TRANSLATE_NOOP("Help", "Процессы")},
    {I, QT_TRANSLATE_NOOP("Help", "Изотерма (T = const): конец задается давлением или степенью сухости.")},
    {I, QT_TRANSLATE_NOOP("Help", "Изобара (P = const): температурой, энтальпией, энтропией или степенью сухости.")},
    {I, QT_TRANSLATE_NOOP("Help", "Изохора (v = const): температурой.")},
    {I, QT_TRANSLATE_NOOP("Help", "Изоэнтальпа (i = const), то есть дросселирование: давлением или энтропией.")},
    {I, QT_TRANSLATE_NOOP("Help", "Изоэнтропа (S = const), обратимое адиабатное сжатие или расширение: давлением.")},
    {H, QT_TRANSLATE_NOOP("Help", "Поля")},
    {P, QT_TRANSLATE_NOOP("Help", "«Параметры начальной точки процесса»: в двух списках выбирают параметры, правее вводят их значения. Допустимы пары: температура с давлением или степенью сухости; давление с температурой, энтальпией, энтропией или степенью сухости; плотность или удельный объем с температурой; энтальпия с давлением или энтропией; энтропия с давлением; степень сухости с температурой или давлением. Другое сочетание не принимается.")},
    {P, QT_TRANSLATE_NOOP("Help", "«Предельные значения мин, мах» показывают, в каких пределах программа принимает каждый выбранный параметр для этого вещества; значение вне них не принимается, и сообщение называет пределы.")},
    {P, QT_TRANSLATE_NOOP("Help", "Степень сухости вводится в процентах: это массовая доля пара во влажном паре (0 % — кипящая жидкость, 100 % — сухой насыщенный пар). Задать ее можно только между тройной и критической точками.")},
    {P, QT_TRANSLATE_NOOP("Help", "Под введенными значениями — рассчитанное начальное состояние: температура, давление, плотность, энтальпия и энтропия. «Определяющий параметр конечной точки» задает конец процесса; под ним — рассчитанное конечное состояние.")},
    {P, QT_TRANSLATE_NOOP("Help", "«Результаты процесса»: выделившееся тепло Q, техническая работа L, совершенная газом, и изменения плотности, энтальпии и энтропии (конечное значение минус начальное).")},
    {H, QT_TRANSLATE_NOOP("Help", "Знаки Q и L")},
    {P, QT_TRANSLATE_NOOP("Help", "Q — тепло, выделившееся из вещества: Q > 0, когда вещество отдает тепло, Q &lt; 0, когда получает. L — техническая работа, совершенная газом: L > 0, когда газ совершает работу (расширение в детандере), L &lt; 0, когда работа затрачивается (сжатие в компрессоре). В каждом процессе выполняется первый закон для потока <b>−Q = Δi + L</b>, где Δi = i2 − i1 (индекс 1 — начало, 2 — конец).")},
    {I, QT_TRANSLATE_NOOP("Help", "Изотерма: Q = T (s1 − s2), L = T (s2 − s1) − (i2 − i1). Работа равна теплу (L = −Q) только у идеального газа, энтальпия которого от давления не зависит.")},
    {I, QT_TRANSLATE_NOOP("Help", "Изобара: Q = i1 − i2, L = 0.")},
    {I, QT_TRANSLATE_NOOP("Help", "Изохора: Q = u1 − u2, где u = i − Pv — внутренняя энергия; L = (P1 − P2) v.")},
    {I, QT_TRANSLATE_NOOP("Help", "Изоэнтальпа: Q = 0, L = 0.")},
    {I, QT_TRANSLATE_NOOP("Help", "Изоэнтропа: Q = 0, L = i1 − i2.")},
    {H, QT_TRANSLATE_NOOP("Help", "Кнопки")},
    {I, QT_TRANSLATE_NOOP("Help", "«Вычислить» (или Enter в поле ввода) рассчитывает процесс. Если состояние рассчитать нельзя, сообщение называет причину.")},
    {I, QT_TRANSLATE_NOOP("Help", "«В таблицу» записывает процесс в таблицу результатов: строку начальной и строку конечной точки.")},
    {I, QT_TRANSLATE_NOOP("Help", "«TS диаграмма» рисует процесс на диаграмме, не больше десяти линий.")},
    {I, QT_TRANSLATE_NOOP("Help", "«Конец => Начало» делает конечное состояние начальным (параметрами становятся температура и давление): так процессы продолжают друг друга и складываются в цикл.")},
    {I, QT_TRANSLATE_NOOP("Help", "«Назад» закрывает окно; введенные значения сохраняются.")},
};

const Piece kResults[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Таблица результатов расчета идеальных процессов. Каждый процесс, записанный кнопкой «В таблицу», занимает две строки: начальную и конечную точки. Строки копятся за всю работу и хранятся в рабочем файле.")},
    {H, QT_TRANSLATE_NOOP("Help", "Столбцы")},
    {I, QT_TRANSLATE_NOOP("Help", "N — номер процесса; «Вещество»; «Процесс» — T = const, P = const, v = const, i = const или S = const; «Точки» — начальная или конечная.")},
    {I, QT_TRANSLATE_NOOP("Help", "T, P, d, i, s — состояния начала и конца, в размерностях главного окна.")},
    {I, QT_TRANSLATE_NOOP("Help", "Q и L — тепло и работа процесса (в строке начальной точки); их знаки — как в окне процессов (см. <a href=\"#process\">Идеальные процессы</a>).")},
    {P, QT_TRANSLATE_NOOP("Help", "Таблица копируется (Ctrl+C, «Копировать», «Копировать всё») и записывается в файл CSV так же, как таблица точек; то же делает «Сохранить процессы в CSV...» меню «Файл». Кнопка закрытия скрывает окно, строки остаются.")},
};

const Piece kReal[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Окно «Реальные процессы» рассчитывает устройство с потерями и сравнивает его с идеальным процессом: выход, работу и тепло, производство энтропии и потерю эксергии. Окно открывается из меню «Реальн. процессы» главного окна.")},
    {H, QT_TRANSLATE_NOOP("Help", "Устройства")},
    {I, QT_TRANSLATE_NOOP("Help", "Компрессор (адиабатный): давление на выходе P2 и изоэнтропный КПД ηs; i2 = i1 + (i2s − i1)/ηs при P2, где i2s — энтальпия в конце изоэнтропы; sgen = s2 − s1.")},
    {I, QT_TRANSLATE_NOOP("Help", "Компрессор (изотермический): P2 и изотермический КПД ηT; T2 = T1, работа L = LT/ηT, где LT — работа изотермы, тепло отводится при T1; sgen = s2 − s1 + Q/T1.")},
    {I, QT_TRANSLATE_NOOP("Help", "Детандер: P2 и ηs; i2 = i1 − ηs (i1 − i2s); sgen = s2 − s1.")},
    {I, QT_TRANSLATE_NOOP("Help", "Дроссель: P2; i2 = i1, работы нет; он сравнивается с идеальным детандером (изоэнтропой); sgen = s2 − s1.")},
    {I, QT_TRANSLATE_NOOP("Help", "Теплообменник: при постоянном давлении до температуры на выходе T2 или до заданного выделившегося тепла Q; Tr — температура источника (приемника) тепла, при пустом поле T0; sgen = s2 − s1 + Q/Tr.")},
    {H, QT_TRANSLATE_NOOP("Help", "Поля")},
    {P, QT_TRANSLATE_NOOP("Help", "«Параметры на входе» задаются любой парой, допустимой в окне идеальных процессов, с теми же пределами. «Данные устройства»: давление на выходе, КПД (больше 0 и не больше 1), для теплообменника — температура на выходе или выделившееся тепло и температура источника (приемника) тепла, и для всех устройств — температура окружающей среды T0 (сначала 300 К).")},
    {P, QT_TRANSLATE_NOOP("Help", "Строки состояний: вход, выход и идеальный выход (температура, давление, плотность, энтальпия, энтропия, степень сухости влажного пара). «Результаты процесса»: техническая работа L, совершенная газом, выделившееся тепло Q (знаки — как в окне идеальных процессов, −Q = Δi + L), производство энтропии sgen и потеря эксергии T0·sgen.")},
    {H, QT_TRANSLATE_NOOP("Help", "Производство энтропии и потеря эксергии")},
    {P, QT_TRANSLATE_NOOP("Help", "sgen — энтропия, произведенная в устройстве вместе с источником или приемником тепла; по второму закону sgen ≥ 0, и равна нулю она только без потерь. Потеря эксергии T0·sgen (теорема Гюи–Стодолы) — работа, безвозвратно потерянная из-за необратимости при температуре окружающей среды T0.")},
    {P, QT_TRANSLATE_NOOP("Help", "Устройство не рассчитывается, если давление на выходе компрессора не выше давления на входе, а детандера или дросселя — не ниже; если КПД вне пределов; если нагреваемый поток на выходе горячее источника тепла или охлаждаемый на выходе холоднее приемника (тепло не переходит от холодного тела к горячему); если выход вне пределов расчета. Тогда сообщение называет причину, а таблица, диаграмма и прежний результат не меняются.")},
    {H, QT_TRANSLATE_NOOP("Help", "Кнопки")},
    {I, QT_TRANSLATE_NOOP("Help", "«Вычислить» (или Enter) рассчитывает устройство; «В таблицу» записывает его в таблицу реальных процессов.")},
    {I, QT_TRANSLATE_NOOP("Help", "«TS диаграмма» рисует процесс на диаграмме: штриховой отрезок от входа к выходу и сплошной идеальный процесс, не больше десяти устройств. При выборе другого вещества они снимаются.")},
    {I, QT_TRANSLATE_NOOP("Help", "«Конец => Начало» делает выход входом следующего устройства: так шаг за шагом строится последовательность (сжатие, охлаждение, дросселирование).")},
    {I, QT_TRANSLATE_NOOP("Help", "«Циклы ожижения» открывает окно циклов; «Назад» закрывает окно.")},
};

const Piece kRealResults[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Таблица результатов расчета реальных процессов. Каждое устройство, записанное кнопкой «В таблицу», занимает три строки: вход, выход и идеальный выход.")},
    {H, QT_TRANSLATE_NOOP("Help", "Столбцы")},
    {I, QT_TRANSLATE_NOOP("Help", "N, «Вещество», «Устройство» и его «КПД»; «Точка» — вход, выход или идеальный выход.")},
    {I, QT_TRANSLATE_NOOP("Help", "T, P, d, i, s и x, % — состояние и степень сухости влажного пара.")},
    {I, QT_TRANSLATE_NOOP("Help", "L и Q — работа и тепло (знаки как в окне процессов), Sпр — производство энтропии, T0·Sпр — потеря эксергии, T0 — температура окружающей среды.")},
    {P, QT_TRANSLATE_NOOP("Help", "Таблица копируется и записывается в CSV так же, как другие таблицы; «Закрыть» скрывает окно, строки остаются.")},
};

const Piece kCycles[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Окно «Циклы ожижения» открывается кнопкой «Циклы ожижения» окна реальных процессов. Оно рассчитывает ожижитель для вещества главного окна: выход жидкости, затраченную работу, степень совершенства и потери эксергии по элементам цикла.")},
    {H, QT_TRANSLATE_NOOP("Help", "Циклы")},
    {I, QT_TRANSLATE_NOOP("Help", "Линде–Хэмпсон: изотермический компрессор, противоточный теплообменник, дроссель и отделитель жидкости.")},
    {I, QT_TRANSLATE_NOOP("Help", "Линде–Хэмпсон с предварительным охлаждением: между двумя теплообменниками поток охлаждается в ванне (жидкий азот для водорода и неона, жидкий водород для гелия, для остальных веществ — ванна при 233 К).")},
    {I, QT_TRANSLATE_NOOP("Help", "Клод: доля потока высокого давления xe расширяется в детандере и возвращается в обратный поток; работа детандера возвращается на вал компрессора.")},
    {H, QT_TRANSLATE_NOOP("Help", "Данные")},
    {P, QT_TRANSLATE_NOOP("Help", "Низкое и высокое давление; T1 — температура окружающей среды и сжатия; изотермический КПД компрессора; разность температур на теплом конце теплообменников ΔT; теплоприток на 1 кг сжатого газа; для предварительного охлаждения — температура ванны; для цикла Клода — доля потока на детандер xe, температура на входе в детандер и его изоэнтропный КПД. Каждое изменение сразу пересчитывает цикл; значение, при котором цикла нет, не принимается: сообщение называет причину, поле и результаты остаются прежними.")},
    {H, QT_TRANSLATE_NOOP("Help", "Результаты")},
    {I, QT_TRANSLATE_NOOP("Help", "Выход жидкости y — килограммы жидкости на 1 кг сжатого газа.")},
    {I, QT_TRANSLATE_NOOP("Help", "Работа сжатия, работа детандера, обратимая работа охлаждения ванны и затраченная работа W на 1 кг сжатого газа; W/y — на 1 кг жидкости.")},
    {I, QT_TRANSLATE_NOOP("Help", "Минимальная работа ожижения Wi = T0 (s1 − sf) − (i1 − if) — работа обратимого ожижения от состояния 1 до жидкости f.")},
    {I, QT_TRANSLATE_NOOP("Help", "Степень совершенства Wi/(W/y): доля затраченной работы, которая была бы нужна без потерь.")},
    {P, QT_TRANSLATE_NOOP("Help", "Таблица состояний нумерует состояния цикла (температура, давление, плотность, энтальпия, энтропия, степень сухости, доля потока). Потери эксергии T0·sgen каждого элемента на 1 кг жидкости перечислены с их долями и показаны столбцами; их сумма равна W/y − Wi. Таблицы копируются и записываются, как другие; контекстное меню диаграммы потерь копирует ее или записывает в PNG.")},
    {P, QT_TRANSLATE_NOOP("Help", "«Цикл на TS диаграмме» рисует цикл фиолетовым цветом с номерами состояний (см. <a href=\"#diagram\">TS диаграмма</a>).")},
    {H, QT_TRANSLATE_NOOP("Help", "Когда жидкость не образуется")},
    {P, QT_TRANSLATE_NOOP("Help", "Газ выше температуры инверсии при дросселировании нагревается: водород, гелий и неон от 300 К жидкости не дают. Тогда выход равен 0 и окно говорит почему; такой газ нужно предварительно охладить ванной или детандером (цикл Клода). Жидкости нет и тогда, когда холода не хватает на недорекуперацию ΔT и теплоприток.")},
    {P, QT_TRANSLATE_NOOP("Help", "Выход находится из энергетического баланса холодного блока, остальные состояния — из балансов теплообменников. Каждый теплообменник проверяется на концах и в восьми сечениях между ними: если горячий поток где-то холоднее холодного, цикл при этих данных невозможен и не принимается.")},
};

const Piece kFiles[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Рабочий файл (расширение .entrograf) хранит всю работу: вещество, пределы, шкалу и размерности, таблицу точек, окно идеальных процессов со всем введенным, таблицу результатов и линии процессов, окно реальных процессов с его таблицей и линиями, данные циклов ожижения. Линии диаграммы при открытии рассчитываются заново и получаются теми же.")},
    {H, QT_TRANSLATE_NOOP("Help", "Меню «Файл»")},
    {I, QT_TRANSLATE_NOOP("Help", "«Новый» (Ctrl+N) начинает работу заново, «Открыть...» (Ctrl+O) открывает рабочий файл, «Сохранить» (Ctrl+S) и «Сохранить как...» (Ctrl+Shift+S) записывают работу.")},
    {I, QT_TRANSLATE_NOOP("Help", "«Недавние файлы» — последние восемь файлов.")},
    {I, QT_TRANSLATE_NOOP("Help", "«Сохранить диаграмму...», «Сохранить точки в CSV...», «Сохранить процессы в CSV...» записывают диаграмму и таблицы.")},
    {P, QT_TRANSLATE_NOOP("Help", "Перед тем как работа будет потеряна (выход, «Новый», открытие другого файла), программа спрашивает, сохранить ли несохраненную работу. Файл, который не является рабочим файлом, испорчен, записан более новой версией или содержит значение вне пределов расчета, не открывается: сообщение называет причину, а открытая работа не меняется.")},
    {H, QT_TRANSLATE_NOOP("Help", "Автосохранение")},
    {P, QT_TRANSLATE_NOOP("Help", "Пока программа работает, она каждые 30 секунд (если что-то изменилось) и после каждой новой строки таблиц записывает работу в свою папку данных. При нормальном завершении эта запись удаляется. Если программа завершилась аварийно, при следующем запуске она предложит восстановить несохраненную работу.")},
    {H, QT_TRANSLATE_NOOP("Help", "Командная строка")},
    {P, QT_TRANSLATE_NOOP("Help", "<code>entrograf файл.entrograf</code> открывает рабочий файл при запуске; <code>--lang ru</code> или <code>--lang en</code> выбирает язык. Диаграмма, устройство и цикл рассчитываются и без окон; <code>entrograf --help</code> перечисляет все возможности.")},
};

const Piece kModelIntro[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Все свойства веществ рассчитывает собственная библиотека программы. Энтальпия и энтропия каждого вещества отсчитываются от своих начал (энтропия — от идеального газа при 0,101325 МПа), поэтому с таблицами других источников сравнивают только разности, например Δi и Δs процесса.")},
};

// The property models, each with its part of the guide and its sources for
// "О программе". A model added later gets an entry of its own here.
struct ModelText {
  const char* title;
  std::span<const Piece> guide;
  std::span<const char* const> sources;
};

const Piece kCubicGuide[] = {
    {P, QT_TRANSLATE_NOOP("Help", "Десять веществ описывает кубическое уравнение Редлиха–Квонга в форме Соаве: P = ρRT/(1 − bρ) − a α(T) ρ²/(1 + bρ), α = [1 + m (1 − √(T/Tкр))]², где m зависит от ацентрического фактора ω. Постоянные a, b и ω каждого вещества хранит каталог программы.")},
    {P, QT_TRANSLATE_NOOP("Help", "Гелий описывает свое многопараметрическое уравнение для коэффициента сжимаемости: степени приведенной плотности до десятой с пятью функциями температуры.")},
    {P, QT_TRANSLATE_NOOP("Help", "Свойства идеального газа дают полиномы теплоемкости cp0(T), у фреона 14 — модель жесткого ротатора и гармонического осциллятора. Давление насыщения рассчитывается по корреляциям, плотности насыщенных пара и жидкости — по уравнению состояния; у воздуха, смеси, линии кипения и конденсации различаются. Линия затвердевания — уравнение типа Симона.")},
    {H, QT_TRANSLATE_NOOP("Help", "Пределы")},
    {I, QT_TRANSLATE_NOOP("Help", "Давление — до 100 МПа, у гелия до 10 МПа (выше его уравнение состояний не описывает); наименьшее давление 0,000001 МПа.")},
    {I, QT_TRANSLATE_NOOP("Help", "Температура — от тройной точки (у гелия от 2,2 К) до верхней границы функций идеального газа: 1000 К для гелия, неона, аргона, диоксида углерода, метана и фреона 14, 700 К для водорода, 600 К для азота, кислорода и воздуха (выход устройств — до 700 К, теплоемкость cp0 там завышена на 5 %).")},
    {I, QT_TRANSLATE_NOOP("Help", "Плотность — ниже предельной плотности уравнения (1/b, у гелия 220 кг/м3).")},
    {P, QT_TRANSLATE_NOOP("Help", "Состояние вне этих пределов программа не рассчитывает и говорит об этом, а не дает неверное число.")},
    {H, QT_TRANSLATE_NOOP("Help", "Точность")},
    {P, QT_TRANSLATE_NOOP("Help", "Газ кубическое уравнение описывает хорошо. Плотность насыщенной жидкости отличается от справочной примерно на 1 % у азота, аргона, кислорода, метана и гелия, но на 6–11 % у неона, диоксида углерода и водорода; вблизи критической точки погрешности больше. Выход жидкости цикла Линде–Хэмпсона для азота получается 0,068 против 0,071 по справочным данным. Программа предназначена для обучения, а не для проектных расчетов.")},
};

const char* const kCubicSources[] = {
    QT_TRANSLATE_NOOP("Help", "Уравнение состояния Редлиха–Квонга (O. Redlich, J. N. S. Kwong, 1949) в форме Соаве (G. Soave, 1972) с зависимостью m(ω) в виде Грабоски и Даубера (M. S. Graboski, T. E. Daubert, 1978); постоянные a, b, ацентрические факторы, критические и тройные точки — каталог веществ программы."),
    QT_TRANSLATE_NOOP("Help", "Гелий: многопараметрическое уравнение для коэффициента сжимаемости, степени приведенной плотности до десятой с пятью функциями температуры."),
    QT_TRANSLATE_NOOP("Help", "Функции идеального газа: полиномы теплоемкости cp0(T); фреон 14 — жесткий ротатор и гармонический осциллятор по основным частотам колебаний CF4 909, 435, 1283 и 631 см⁻¹; проверены по статистической механике и таблицам JANAF."),
    QT_TRANSLATE_NOOP("Help", "Давление насыщения — корреляции библиотеки программы, линия затвердевания — уравнения типа Симона."),
};

const ModelText kModels[] = {
    {QT_TRANSLATE_NOOP("Help", "Кубическое уравнение Соаве–Редлиха–Квонга и уравнение гелия"), kCubicGuide, kCubicSources},
};

struct SectionText {
  HelpSection id;
  const char* anchor;
  const char* title;
  std::span<const Piece> body;
};

const SectionText kSections[kHelpSectionCount] = {
    {HelpSection::Main, "main", QT_TRANSLATE_NOOP("Help", "Главное окно"), kMain},
    {HelpSection::Diagram, "diagram", QT_TRANSLATE_NOOP("Help", "TS диаграмма"), kDiagram},
    {HelpSection::Points, "points", QT_TRANSLATE_NOOP("Help", "Таблица точек"), kPoints},
    {HelpSection::Process, "process", QT_TRANSLATE_NOOP("Help", "Идеальные процессы"), kProcess},
    {HelpSection::Results, "results", QT_TRANSLATE_NOOP("Help", "Таблица идеальных процессов"), kResults},
    {HelpSection::Real, "real", QT_TRANSLATE_NOOP("Help", "Реальные процессы"), kReal},
    {HelpSection::RealResults, "real-results", QT_TRANSLATE_NOOP("Help", "Таблица реальных процессов"), kRealResults},
    {HelpSection::Cycles, "cycles", QT_TRANSLATE_NOOP("Help", "Циклы ожижения"), kCycles},
    {HelpSection::Files, "files", QT_TRANSLATE_NOOP("Help", "Рабочие файлы и автосохранение"), kFiles},
    {HelpSection::Model, "model", QT_TRANSLATE_NOOP("Help", "Модель свойств веществ"), kModelIntro},
};

const SectionText& sectionText(HelpSection s) { return kSections[std::clamp(int(s), 0, kHelpSectionCount - 1)]; }

// A sample of a line of the diagram, drawn as the diagram draws it.
QImage legendImage(int entry) {
  const LegendLook k = legendLook(entry);
  QImage img(56, 16, QImage::Format_ARGB32);
  img.fill(Qt::white);
  QPainter g(&img);
  const QColor c(k.r, k.g, k.b);
  if (k.joined) {
    QPen pen(c, k.width);
    pen.setStyle(k.dashed ? Qt::DashLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    g.setPen(pen);
    g.drawLine(QPointF(4, 8), QPointF(52, 8));
  }
  if (k.marker > 0) {
    const double m = k.marker;
    for (double x : {10.0, 28.0, 46.0}) g.fillRect(QRectF(x - m / 2, 8 - m / 2, m, m), c);
  }
  return img;
}

// head: the level of the headings among the pieces.
QString piecesHtml(std::span<const Piece> pieces, int head = 3) {
  QString html;
  bool inList = false, inTable = false;
  for (const Piece& p : pieces) {
    if (inList && p.kind != Kind::Item) html += QStringLiteral("</ul>");
    if (inTable && p.kind != Kind::Line) html += QStringLiteral("</table>");
    inList = inList && p.kind == Kind::Item;
    inTable = inTable && p.kind == Kind::Line;
    switch (p.kind) {
      case Kind::Head:
        html += QStringLiteral("<h%1>").arg(head) + helpText(p.text) + QStringLiteral("</h%1>").arg(head);
        break;
      case Kind::Para: html += QStringLiteral("<p>") + helpText(p.text) + QStringLiteral("</p>"); break;
      case Kind::Item:
        if (!inList) html += QStringLiteral("<ul>");
        inList = true;
        html += QStringLiteral("<li>") + helpText(p.text) + QStringLiteral("</li>");
        break;
      case Kind::Line:
        if (!inTable) html += QStringLiteral("<table cellspacing=\"2\" cellpadding=\"3\">");
        inTable = true;
        html += QStringLiteral("<tr><td valign=\"middle\"><img src=\"legend:") + QString::number(p.look) +
                QStringLiteral("\"></td><td>") + helpText(p.text) + QStringLiteral("</td></tr>");
        break;
    }
  }
  if (inList) html += QStringLiteral("</ul>");
  if (inTable) html += QStringLiteral("</table>");
  return html;
}

// The browser of the guide: the samples of the lines are its own images.
class GuideBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& url) override {
    if (type == QTextDocument::ImageResource && url.scheme() == QLatin1String("legend")) {
      bool ok = false;
      const int entry = url.path().toInt(&ok);
      if (ok && entry >= 0 && entry < legendCount()) return legendImage(entry);
    }
    return QTextBrowser::loadResource(type, url);
  }
};

}  // namespace

int legendCount() { return int(std::size(kLegend)); }
LegendLook legendLook(int entry) { return kLegend[std::clamp(entry, 0, legendCount() - 1)]; }

QString helpAnchor(HelpSection s) { return QString::fromLatin1(sectionText(s).anchor); }
QString helpTitle(HelpSection s) { return helpText(sectionText(s).title); }

bool helpSectionOf(const QString& anchor, HelpSection& s) {
  for (const SectionText& t : kSections)
    if (anchor == QLatin1String(t.anchor)) {
      s = t.id;
      return true;
    }
  return false;
}

QString helpHtml(HelpSection s) {
  const SectionText& t = sectionText(s);
  QString html = QStringLiteral("<h2><a name=\"%1\"></a>%2</h2>").arg(QLatin1String(t.anchor), helpText(t.title));
  html += piecesHtml(t.body);
  if (s == HelpSection::Model)
    for (const ModelText& m : kModels) html += QStringLiteral("<h3>%1</h3>").arg(helpText(m.title)) + piecesHtml(m.guide, 4);
  return html;
}

QString aboutHtml() {
  QString html = QStringLiteral("<h2>%1</h2>").arg(QStringLiteral(ENTROGRAF_APP_NAME));
  html += QStringLiteral("<p>%1</p>").arg(
      QCoreApplication::translate("Help", "Учебная программа по технической термодинамике и криогенике: TS диаграммы рабочих веществ, идеальные и реальные процессы, циклы ожижения."));
  html += QStringLiteral("<p><b>%1</b></p>").arg(QCoreApplication::translate("Help", "Версия %1").arg(QStringLiteral(ENTROGRAF_VERSION)));
  html += QStringLiteral("<p>%1</p>").arg(
      QCoreApplication::translate("Help", "Программа свободная: ее можно распространять и изменять на условиях GNU General Public License версии 3 или (по вашему выбору) любой более поздней версии, опубликованной Free Software Foundation. Программа распространяется без каких-либо гарантий. Текст лицензии — в файле LICENSE."));
  html += QStringLiteral("<p>%1</p>").arg(QCoreApplication::translate("Help", "Построена на Qt %1.").arg(QString::fromLatin1(qVersion())));
  html += QStringLiteral("<h3>%1</h3>").arg(QCoreApplication::translate("Help", "Источники данных о свойствах веществ"));
  for (const ModelText& m : kModels) {
    html += QStringLiteral("<p><b>%1</b></p><ul>").arg(helpText(m.title));
    for (const char* source : m.sources) html += QStringLiteral("<li>%1</li>").arg(helpText(source));
    html += QStringLiteral("</ul>");
  }
  return html;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Help"));
  setWindowFlags(windowFlags() | Qt::Window);
  setWindowTitle(QCoreApplication::translate("Help", "Entrograf - Руководство"));
  Contents = new QListWidget(this);
  Contents->setObjectName(QStringLiteral("Contents"));
  for (const SectionText& t : kSections) Contents->addItem(helpText(t.title));
  Contents->setFixedWidth(Contents->sizeHintForColumn(0) + 24);
  Text = new GuideBrowser(this);
  Text->setObjectName(QStringLiteral("Text"));
  Text->setOpenLinks(false);
  Close = new QPushButton(QCoreApplication::translate("Help", "Закрыть"), this);
  Close->setObjectName(QStringLiteral("Close"));

  auto* body = new QHBoxLayout;
  body->addWidget(Contents);
  body->addWidget(Text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Close);
  auto* all = new QVBoxLayout(this);
  all->addLayout(body, 1);
  all->addLayout(buttons);
  resize(900, 640);

  connect(Contents, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < kHelpSectionCount && HelpSection(row) != section_) display(HelpSection(row));
  });
  // A link to another section shows it; nothing leaves the guide.
  connect(Text, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    HelpSection s;
    if (url.scheme().isEmpty() && helpSectionOf(url.fragment(), s)) display(s);
  });
  connect(Close, &QPushButton::clicked, this, &QWidget::close);
  display(HelpSection::Main);
}

void HelpWindow::display(HelpSection s) {
  section_ = s;
  Text->setHtml(helpHtml(s));
  Text->verticalScrollBar()->setValue(0);
  if (Contents->currentRow() != int(s)) Contents->setCurrentRow(int(s));
}

void HelpWindow::showSection(HelpSection s) {
  display(s);
  show();
  raise();
  activateWindow();
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(QCoreApplication::translate("Help", "О программе"));
  Text = new QLabel(this);
  Text->setObjectName(QStringLiteral("Text"));
  Text->setTextFormat(Qt::RichText);
  Text->setWordWrap(true);
  Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Text->setFixedWidth(560);
  Close = new QPushButton(QCoreApplication::translate("Help", "Закрыть"), this);
  Close->setObjectName(QStringLiteral("Close"));
  Close->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Close);
  auto* all = new QVBoxLayout(this);
  all->addWidget(Text);
  all->addLayout(buttons);
  all->setSizeConstraint(QLayout::SetFixedSize);
  connect(Close, &QPushButton::clicked, this, &QDialog::accept);
  Text->setText(aboutHtml());
}

void AboutBox::showAbout() {
  Text->setText(aboutHtml());
  show();
  raise();
  activateWindow();
}

}  // namespace app

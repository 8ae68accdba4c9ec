#include "core/process/texts.h"

#include "core/base/tr.h"

namespace proc {

const std::array<const char*, kParamCount> kParamItems = {
    QT_TRANSLATE_NOOP("Process", " Температура"), QT_TRANSLATE_NOOP("Process", " Давление"),
    QT_TRANSLATE_NOOP("Process", " Плотность"),   QT_TRANSLATE_NOOP("Process", " Уд. объем"),
    QT_TRANSLATE_NOOP("Process", " Энтальпия"),   QT_TRANSLATE_NOOP("Process", " Энтропия"),
    QT_TRANSLATE_NOOP("Process", " Степень сухости")};
const std::array<const char*, kParamCount> kUnitLabels = {
    "K", QT_TRANSLATE_NOOP("Units", "МПа"), QT_TRANSLATE_NOOP("Units", "кг/м3"), QT_TRANSLATE_NOOP("Units", "м3/кг"),
    QT_TRANSLATE_NOOP("Units", "кДж/кг"), QT_TRANSLATE_NOOP("Units", "кДж/(кг.К)"), "%"};
const std::array<const char*, 5> kProcessItems = {
    QT_TRANSLATE_NOOP("Process", "Изотерма ( Т = const )"), QT_TRANSLATE_NOOP("Process", "Изобара ( P = const )"),
    QT_TRANSLATE_NOOP("Process", "Изохора ( v = const )"), QT_TRANSLATE_NOOP("Process", "Изоэнтальпа ( i = const )"),
    QT_TRANSLATE_NOOP("Process", "Изоэнтропа ( S = const )")};
const std::array<const char*, 5> kProcessNames = {"T = const", "P = const", "v = const", "i = const", "S = const"};

const char* const kPairMessage =
    QT_TRANSLATE_NOOP("Process", "Принятое Вами сочетание параметров\nне разрешено в данной программе.");
const char* const kLinesMessage = QT_TRANSLATE_NOOP("Process", "В программе число линий процессов\nограничено 10-тью линиями");
const char* const kCoincideMessage = QT_TRANSLATE_NOOP("Process", "Параметры начальной и конечной точек\nсовпадают!");
const char* const kNoSubstanceMessage =
    QT_TRANSLATE_NOOP("Process", "Рабочее вещество не выбрано !\nВыберите его в главном окне.");
const char* const kNotComputedMessage =
    QT_TRANSLATE_NOOP("Process", "Процесс не рассчитан !\nВ таблицу ничего не записано.");
const char* const kWrittenMessage =
    QT_TRANSLATE_NOOP("Process", "Этот процесс уже записан в таблицу !\nВторой раз он не записывается.");

std::string procText(const char* marked) { return app::translate("Process", marked); }

std::string paramItem(int kind) { return procText(kParamItems[kind]); }

}  // namespace proc

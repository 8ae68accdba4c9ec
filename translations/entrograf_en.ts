<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>the program version</translation>
    </message>
    <message>
        <source>записать диаграмму вещества или рабочего файла (.entrograf) с его процессами в ФАЙЛ (.png, .svg или .pdf); вещества: </source>
        <translation>write the diagram of a substance, or of a work file (.entrograf) with its processes, to FILE (.png, .svg or .pdf); substances: </translation>
    </message>
    <message>
        <source>ВЕЩЕСТВО ФАЙЛ</source>
        <translation>SUBSTANCE FILE</translation>
    </message>
    <message>
        <source>нижний предел температуры, K (по умолчанию чуть выше тройной точки)</source>
        <translation>lower temperature limit, K (default: just above the triple point)</translation>
    </message>
    <message>
        <source>шкала температуры (по умолчанию log)</source>
        <translation>temperature scale (default log)</translation>
    </message>
    <message>
        <source>рассчитать устройство: compressor, compressor-isothermal, expander, throttle, exchanger; вещества: </source>
        <translation>compute a device: compressor, compressor-isothermal, expander, throttle, exchanger; substances: </translation>
    </message>
    <message>
        <source>ВИД ВЕЩЕСТВО</source>
        <translation>KIND SUBSTANCE</translation>
    </message>
    <message>
        <source>давление на входе, МПа</source>
        <translation>inlet pressure, MPa</translation>
    </message>
    <message>
        <source>температура на входе, K</source>
        <translation>inlet temperature, K</translation>
    </message>
    <message>
        <source>давление на выходе, МПа (теплообменнику не нужно)</source>
        <translation>outlet pressure, MPa (not for the heat exchanger)</translation>
    </message>
    <message>
        <source>температура на выходе теплообменника, K</source>
        <translation>outlet temperature of the heat exchanger, K</translation>
    </message>
    <message>
        <source>выделившееся в теплообменнике тепло, кДж/кг</source>
        <translation>heat given off in the heat exchanger, kJ/kg</translation>
    </message>
    <message>
        <source>температура источника (приемника) тепла теплообменника, K (по умолчанию T0)</source>
        <translation>temperature of the heat source (sink) of the heat exchanger, K (default T0)</translation>
    </message>
    <message>
        <source>язык программы (по умолчанию язык системы)</source>
        <translation>language of the program (default: the system language)</translation>
    </message>
    <message>
        <source>температура окружающей среды, K (по умолчанию 300, в цикле - T1)</source>
        <translation>ambient temperature, K (default 300, in a cycle T1)</translation>
    </message>
    <message>
        <source>рассчитать цикл ожижения: linde, linde-precooled, claude; вещества: </source>
        <translation>compute a liquefaction cycle: linde, linde-precooled, claude; substances: </translation>
    </message>
    <message>
        <source>низкое давление цикла, МПа (по умолчанию 0.101325)</source>
        <translation>low pressure of the cycle, MPa (default 0.101325)</translation>
    </message>
    <message>
        <source>высокое давление цикла, МПа (по умолчанию 20)</source>
        <translation>high pressure of the cycle, MPa (default 20)</translation>
    </message>
    <message>
        <source>изотермический КПД компрессора цикла (по умолчанию 1)</source>
        <translation>isothermal efficiency of the cycle compressor (default 1)</translation>
    </message>
    <message>
        <source>разность температур на теплом конце теплообменников, K (по умолчанию 0)</source>
        <translation>temperature difference at the warm end of the heat exchangers, K (default 0)</translation>
    </message>
    <message>
        <source>теплоприток на 1 кг сжатого газа, кДж/кг (по умолчанию 0)</source>
        <translation>heat leak per 1 kg of compressed gas, kJ/kg (default 0)</translation>
    </message>
    <message>
        <source>температура ванны предварительного охлаждения, K</source>
        <translation>temperature of the precooling bath, K</translation>
    </message>
    <message>
        <source>доля потока высокого давления на детандер, 0 &lt;= X &lt; 1</source>
        <translation>fraction of the high-pressure flow sent to the expander, 0 &lt;= X &lt; 1</translation>
    </message>
    <message>
        <source>температура на входе в детандер, K</source>
        <translation>expander inlet temperature, K</translation>
    </message>
    <message>
        <source>изоэнтропный КПД детандера цикла (по умолчанию 0.8)</source>
        <translation>isentropic efficiency of the cycle expander (default 0.8)</translation>
    </message>
    <message>
        <source>&quot;; допустимы: </source>
        <translation>&quot;; allowed: </translation>
    </message>
    <message>
        <source>неизвестное вещество &quot;</source>
        <translation>unknown substance &quot;</translation>
    </message>
    <message>
        <source>результат &quot;%1&quot; не является конечным числом</source>
        <translation>the result &quot;%1&quot; is not a finite number</translation>
    </message>
    <message>
        <source>аргумент &quot;%1&quot; не в кодировке UTF-8</source>
        <translation>the argument &quot;%1&quot; is not UTF-8</translation>
    </message>
    <message>
        <source>непонятный аргумент &quot;%1&quot; (см. entrograf --help)</source>
        <translation>unknown argument &quot;%1&quot; (see entrograf --help)</translation>
    </message>
    <message>
        <source>%1 задается только с --export-diagram, --device или --cycle (см. entrograf --help)</source>
        <translation>%1 is given only with --export-diagram, --device or --cycle (see entrograf --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; - не рабочий файл (.entrograf)</source>
        <translation>&quot;%1&quot; is not a work file (.entrograf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: открывается только один рабочий файл</source>
        <translation>&quot;%1&quot;: only one work file is opened</translation>
    </message>
    <message>
        <source>изоэнтропный (изотермический) КПД компрессора или детандера, 0.01 &lt;= E &lt;= 1 (по умолчанию 1)</source>
        <translation>isentropic (isothermal) efficiency of a compressor or expander, 0.01 &lt;= E &lt;= 1 (default 1)</translation>
    </message>
    <message>
        <source>--model указан дважды</source>
        <translation>--model given twice</translation>
    </message>
    <message>
        <source>%1 задается только с --state или --saturation (см. entrograf --help)</source>
        <translation>%1 is given only with --state or --saturation (see entrograf --help)</translation>
    </message>
    <message>
        <source>%1: --export-diagram, --device, --cycle, --state и --saturation не задаются вместе</source>
        <translation>%1: --export-diagram, --device, --cycle, --state and --saturation are not given together</translation>
    </message>
    <message>
        <source>рассчитать состояние по паре параметров из --t T (K), --p P (МПа), --d D (кг/м3), --h H (кДж/кг), --s S (кДж/(кг.К)) и --x X (степень сухости в процентах, как в окне процессов: 0 - кипящая жидкость, 100 - сухой насыщенный пар); пары те, что допускает окно процессов: --t и --p, --t и --x, --p и --h, --p и --s, --p и --x, --d и --t, --h и --s; quality в ответе - массовая доля пара внутри купола (null вне его); вещества: </source>
        <translation>compute a state from a pair of --t T (K), --p P (MPa), --d D (kg/m3), --h H (kJ/kg), --s S (kJ/(kg K)) and --x X (dryness in percent, as in the process window: 0 saturated liquid, 100 saturated vapour); the pairs are those the process window admits: --t and --p, --t and --x, --p and --h, --p and --s, --p and --x, --d and --t, --h and --s; quality in the answer is the vapour mass fraction inside the dome (null outside it); substances: </translation>
    </message>
    <message>
        <source>ВЕЩЕСТВО</source>
        <translation>SUBSTANCE</translation>
    </message>
    <message>
        <source>рассчитать кипящую жидкость и сухой насыщенный пар при температуре --t T (K) или давлении --p P (МПа); у воздуха давления (температуры) начала и конца кипения различны; вещества: </source>
        <translation>compute the saturated liquid and the saturated vapour at a temperature --t T (K) or a pressure --p P (MPa); for air the bubble and dew pressures (temperatures) differ; substances: </translation>
    </message>
    <message>
        <source>модель свойств для --state и --saturation: srk - кубическое уравнение состояния (у гелия - его собственное), reference - эталонное уравнение вещества (по умолчанию srk)</source>
        <translation>property model for --state and --saturation: srk, the cubic equation of state (helium&apos;s own equation for helium), or reference, the substance&apos;s reference equation (default srk)</translation>
    </message>
    <message>
        <source>после --model нет модели; допустимы: %1</source>
        <translation>no model after --model; allowed: %1</translation>
    </message>
    <message>
        <source>неизвестная модель &quot;%1&quot;; допустимы: %2</source>
        <translation>unknown model &quot;%1&quot;; allowed: %2</translation>
    </message>
    <message>
        <source>верхний предел температуры, K (по умолчанию 350; не выше наибольшей температуры вещества в модели, от 623 до 1000 K)</source>
        <translation>upper temperature limit, K (default 350; at most the highest temperature of the substance in the model, 623 to 1000 K)</translation>
    </message>
    <message>
        <source>модель свойств веществ: srk - кубическое уравнение состояния (у гелия - его собственное), reference - эталонное уравнение вещества (по умолчанию srk)</source>
        <translation>property model: srk - the cubic equation of state (helium: its own equation), reference - the reference equation of the substance (default srk)</translation>
    </message>
    <message>
        <source>%1 задается только с --export-diagram, --device, --cycle, --state или --saturation (см. entrograf --help)</source>
        <translation>%1 is given only with --export-diagram, --device, --cycle, --state or --saturation (see entrograf --help)</translation>
    </message>
    <message>
        <source>вид диаграммы: ts (T–s, по умолчанию), ph (lg p–h), hs (h–s)</source>
        <translation>diagram kind: ts (T–s, the default), ph (lg p–h), hs (h–s)</translation>
    </message>
    <message>
        <source>Диаграммы T-s рабочих веществ, идеальные и реальные процессы.
Без параметров открывает окно программы, с рабочим файлом (.entrograf) - сохраненную в нем работу.
Запись диаграммы в файл без окна:
  entrograf --export-diagram ВЕЩЕСТВО ФАЙЛ [--model srk|reference] [--tmin T] [--tmax T]
            [--scale log|lin] [--kind ts|ph|hs]
  entrograf --export-diagram РАБОЧИЙ_ФАЙЛ.entrograf ФАЙЛ [--kind ts|ph|hs]
Расчет реального устройства без окна (JSON на стандартный вывод):
  entrograf --device ВИД ВЕЩЕСТВО [--model srk|reference] --p1 P --t1 T --p2 P [--eta E]
            [--t2 T] [--heat Q] [--tr T] [--t0 T]
Расчет цикла ожижения без окна (JSON на стандартный вывод):
  entrograf --cycle ВИД ВЕЩЕСТВО [--model srk|reference] [--plow P] [--phigh P] [--t1 T]
            [--eta-t E] [--dt K] [--leak Q] [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]
Свойства состояния и линии насыщения без окна (JSON на стандартный вывод):
  entrograf --state ВЕЩЕСТВО [--model srk|reference] --t T --p P
  entrograf --saturation ВЕЩЕСТВО [--model srk|reference] (--t T | --p P)</source>
        <translation>T-s diagrams of working substances, ideal and real processes.
Without arguments opens the program window, with a work file (.entrograf) the work saved in it.
Writing a diagram to a file without a window:
  entrograf --export-diagram SUBSTANCE FILE [--model srk|reference] [--tmin T] [--tmax T]
            [--scale log|lin] [--kind ts|ph|hs]
  entrograf --export-diagram WORK_FILE.entrograf FILE [--kind ts|ph|hs]
Computing a real device without a window (JSON on standard output):
  entrograf --device KIND SUBSTANCE [--model srk|reference] --p1 P --t1 T --p2 P [--eta E]
            [--t2 T] [--heat Q] [--tr T] [--t0 T]
Computing a liquefaction cycle without a window (JSON on standard output):
  entrograf --cycle KIND SUBSTANCE [--model srk|reference] [--plow P] [--phigh P] [--t1 T]
            [--eta-t E] [--dt K] [--leak Q] [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]
Properties of a state and of the saturation line without a window (JSON on standard output):
  entrograf --state SUBSTANCE [--model srk|reference] --t T --p P
  entrograf --saturation SUBSTANCE [--model srk|reference] (--t T | --p P)</translation>
    </message>
    <message>
        <source>непонятный аргумент &quot;</source>
        <translation>unknown argument &quot;</translation>
    </message>
    <message>
        <source> указан дважды</source>
        <translation> given twice</translation>
    </message>
    <message>
        <source>после %1 нет значения</source>
        <translation>no value after %1</translation>
    </message>
    <message>
        <source>&quot; - не число</source>
        <translation>&quot; is not a number</translation>
    </message>
</context>
<context>
    <name>Cycle</name>
    <message>
        <source>не указаны вид цикла и вещество
</source>
        <translation>the kind of cycle and the substance are not given
</translation>
    </message>
    <message>
        <source>неизвестный цикл &quot;</source>
        <translation>unknown cycle &quot;</translation>
    </message>
    <message>
        <source> не относится к циклу </source>
        <translation> does not apply to the cycle </translation>
    </message>
    <message>
        <source>температура окружающей среды --t0 должна быть больше 0 K</source>
        <translation>the ambient temperature --t0 must be above 0 K</translation>
    </message>
    <message>
        <source>расчет цикла ожижения:
  entrograf --cycle ВИД ВЕЩЕСТВО [--model srk|reference] [--plow P] [--phigh P] [--t1 T] [--eta-t E]
            [--dt K] [--leak Q] [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]
  ВИД: linde, linde-precooled, claude
  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</source>
        <translation>computing a liquefaction cycle:
  entrograf --cycle KIND SUBSTANCE [--model srk|reference] [--plow P] [--phigh P] [--t1 T] [--eta-t E]
            [--dt K] [--leak Q] [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]
  KIND: linde, linde-precooled, claude
  SUBSTANCE: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</translation>
    </message>
</context>
<context>
    <name>Cycles</name>
    <message>
        <source>Линде–Хэмпсон</source>
        <translation>Linde–Hampson</translation>
    </message>
    <message>
        <source>Линде–Хэмпсон с предварительным охлаждением</source>
        <translation>Linde–Hampson with precooling</translation>
    </message>
    <message>
        <source>Клод</source>
        <translation>Claude</translation>
    </message>
    <message>
        <source>Компрессор</source>
        <translation>Compressor</translation>
    </message>
    <message>
        <source>Теплообменник 1</source>
        <translation>Heat exchanger 1</translation>
    </message>
    <message>
        <source>Теплообменник 2</source>
        <translation>Heat exchanger 2</translation>
    </message>
    <message>
        <source>Теплообменник 3</source>
        <translation>Heat exchanger 3</translation>
    </message>
    <message>
        <source>Ванна предв. охлаждения</source>
        <translation>Precooling bath</translation>
    </message>
    <message>
        <source>Детандер</source>
        <translation>Expander</translation>
    </message>
    <message>
        <source>Дроссель</source>
        <translation>Throttle valve</translation>
    </message>
    <message>
        <source>Отделитель жидкости</source>
        <translation>Liquid separator</translation>
    </message>
    <message>
        <source>Теплый конец и подпитка</source>
        <translation>Warm end and make-up</translation>
    </message>
    <message>
        <source>вход компрессора</source>
        <translation>compressor inlet</translation>
    </message>
    <message>
        <source>выход компрессора</source>
        <translation>compressor outlet</translation>
    </message>
    <message>
        <source>перед дросселем</source>
        <translation>before the valve</translation>
    </message>
    <message>
        <source>после дросселя</source>
        <translation>after the valve</translation>
    </message>
    <message>
        <source>жидкость</source>
        <translation>liquid</translation>
    </message>
    <message>
        <source>пар из отделителя</source>
        <translation>vapour from the separator</translation>
    </message>
    <message>
        <source>обратный поток, теплый конец</source>
        <translation>return flow, warm end</translation>
    </message>
    <message>
        <source>вход в ванну</source>
        <translation>bath inlet</translation>
    </message>
    <message>
        <source>выход из ванны</source>
        <translation>bath outlet</translation>
    </message>
    <message>
        <source>обратный поток за теплообм. 2</source>
        <translation>return flow after exch. 2</translation>
    </message>
    <message>
        <source>вход в детандер</source>
        <translation>expander inlet</translation>
    </message>
    <message>
        <source>выход из детандера</source>
        <translation>expander outlet</translation>
    </message>
    <message>
        <source>за теплообменником 2</source>
        <translation>after heat exchanger 2</translation>
    </message>
    <message>
        <source>обратный поток за теплообм. 3</source>
        <translation>return flow after exch. 3</translation>
    </message>
    <message>
        <source>после смешения с детандерным</source>
        <translation>after mixing with the expander flow</translation>
    </message>
    <message>
        <source>Жидкость не образуется: холода детандера не хватает
(газ при дросселировании от %1 K нагревается).
Увеличьте долю потока на детандер !</source>
        <translation>No liquid forms: the expander gives too little refrigeration
(the gas warms up when throttled from %1 K).
Increase the expander flow fraction.</translation>
    </message>
    <message>
        <source>Жидкость не образуется: холода дросселирования
не хватает на недорекуперацию и теплоприток !</source>
        <translation>No liquid forms: the refrigeration from throttling
does not cover the warm-end loss and the heat leak.</translation>
    </message>
    <message>
        <source>На выходе детандера влажный пар (степень сухости %1 %).</source>
        <translation>Wet vapour at the expander outlet (dryness %1 %).</translation>
    </message>
    <message>
        <source>Данные цикла должны быть числами !</source>
        <translation>The cycle data must be numbers.</translation>
    </message>
    <message>
        <source>Низкое давление должно быть ниже высокого !</source>
        <translation>The low pressure must be below the high pressure.</translation>
    </message>
    <message>
        <source>Низкое давление должно быть ниже критического
(Ркр = %1 МПа): иначе жидкость не отделяется !</source>
        <translation>The low pressure must be below the critical pressure
(Pc = %1 MPa), otherwise no liquid separates.</translation>
    </message>
    <message>
        <source>Низкое давление должно быть не ниже давления
тройной точки (Ртр = %1 МПа): ниже него жидкости нет !</source>
        <translation>The low pressure must not be below the triple-point
pressure (Ptr = %1 MPa): there is no liquid below it.</translation>
    </message>
    <message>
        <source>Разность температур на теплом конце
должна быть не меньше 0 и меньше %1 K !</source>
        <translation>The temperature difference at the warm end
must be at least 0 K and less than %1 K.</translation>
    </message>
    <message>
        <source>Разность температур на теплом конце
должна быть не меньше 0 K !</source>
        <translation>The temperature difference at the warm end
must be at least 0 K.</translation>
    </message>
    <message>
        <source>Теплоприток не может быть отрицательным !</source>
        <translation>The heat leak cannot be negative.</translation>
    </message>
    <message>
        <source>Температура окружающей среды T0 должна быть
больше 0 K и не выше T1 !</source>
        <translation>The ambient temperature T0 must be
above 0 K and at most T1.</translation>
    </message>
    <message>
        <source>При разности температур на теплом конце
температура окружающей среды T0 должна равняться T1 !</source>
        <translation>With a temperature difference at the warm end
the ambient temperature T0 must equal T1.</translation>
    </message>
    <message>
        <source>Температура предварительного охлаждения
должна быть выше %1 K и ниже T1 !</source>
        <translation>The precooling temperature
must be above %1 K and below T1.</translation>
    </message>
    <message>
        <source>Температура предварительного охлаждения
должна быть ниже T1 !</source>
        <translation>The precooling temperature
must be below T1.</translation>
    </message>
    <message>
        <source>Доля потока на детандер должна быть
не меньше 0 и меньше 1 !</source>
        <translation>The expander flow fraction must be
at least 0 and less than 1.</translation>
    </message>
    <message>
        <source>Температура на входе в детандер должна быть ниже T1 !</source>
        <translation>The expander inlet temperature must be below T1.</translation>
    </message>
    <message>
        <source>На входе в детандер жидкость !
Температура на входе в детандер должна быть выше %1 K.</source>
        <translation>Liquid at the expander inlet:
the expander inlet temperature must be above %1 K.</translation>
    </message>
    <message>
        <source>Доля потока на детандер слишком велика:
жидкости получалось бы больше, чем проходит через дроссель !</source>
        <translation>The expander flow fraction is too large:
more liquid would form than passes through the valve.</translation>
    </message>
    <message>
        <source>Состояние %1</source>
        <translation>State %1</translation>
    </message>
    <message>
        <source>В теплообменнике %1 горячий поток холоднее холодного:
цикл при этих данных невозможен !</source>
        <translation>In heat exchanger %1 the hot stream is colder than the cold one:
the cycle is impossible with these data.</translation>
    </message>
    <message>
        <source>Поток приходит в ванну предварительного охлаждения
холоднее ее (%1 K): ванна его нагревала бы !
Понизьте температуру предварительного охлаждения.</source>
        <translation>The flow enters the precooling bath
colder than the bath (%1 K): the bath would warm it.
Lower the precooling temperature.</translation>
    </message>
    <message>
        <source>Цикл при этих данных не рассчитывается !</source>
        <translation>The cycle cannot be computed with these data.</translation>
    </message>
    <message>
        <source>Жидкость не образуется: холода детандера и дросселирования
не хватает на недорекуперацию и теплоприток !</source>
        <translation>No liquid forms: the cold of the expander and of throttling
does not cover the warm-end loss and the heat leak.</translation>
    </message>
    <message>
        <source>Изотермический КПД должен быть не меньше %1 и не больше 1 !</source>
        <translation>The isothermal efficiency must be at least %1 and not above 1.</translation>
    </message>
    <message>
        <source>Изоэнтропный КПД должен быть не меньше %1 и не больше 1 !</source>
        <translation>The isentropic efficiency must be at least %1 and not above 1.</translation>
    </message>
    <message>
        <source>Температура окружающей среды T0 должна быть выше
температуры в отделителе жидкости (%1 K):
теплоприток идет к нему из окружающей среды !</source>
        <translation>The ambient temperature T0 must be above the temperature
in the liquid separator (%1 K):
the heat leak reaches it from the surroundings.</translation>
    </message>
    <message>
        <source>Температура окружающей среды T0 должна быть выше
температуры ванны предварительного охлаждения (%1 K):
тепло ванны отводится в окружающую среду !</source>
        <translation>The ambient temperature T0 must be above the temperature
of the precooling bath (%1 K):
the bath&apos;s heat is rejected to the surroundings.</translation>
    </message>
    <message>
        <source>Температура окружающей среды T0 должна быть выше %1 K:
при более низкой газ на входе компрессора сам несет
не меньше работы, чем жидкость, и минимальная работа
ожижения не положительна !</source>
        <translation>The ambient temperature T0 must be above %1 K:
below it the gas at the compressor inlet holds at least
as much work as the liquid, and the minimum work
of liquefaction is not positive.</translation>
    </message>
    <message>
        <source>Теплообменник %1 работает в обратную сторону: обратный поток
нагревал бы в нем прямой от %2 до %3 K !
Повысьте температуру на входе в детандер или долю потока на детандер.</source>
        <translation>Heat exchanger %1 runs backwards: the return stream would warm
the high-pressure stream in it from %2 to %3 K.
Raise the expander inlet temperature or the expander flow fraction.</translation>
    </message>
    <message>
        <source>В теплообменнике %1 разность температур на холодном конце
(%2 K) меньше заданной (%3 K): цикл при этих данных невозможен !</source>
        <translation>In heat exchanger %1 the temperature difference at the cold end
(%2 K) is below the one given (%3 K): the cycle is impossible with these data.</translation>
    </message>
    <message>
        <source>В теплообменнике %1 разность температур на теплом конце
(%2 K) меньше заданной (%3 K): цикл при этих данных невозможен !</source>
        <translation>In heat exchanger %1 the temperature difference at the warm end
(%2 K) is below the one given (%3 K): the cycle is impossible with these data.</translation>
    </message>
    <message>
        <source>Элемент цикла &quot;%1&quot; уменьшал бы энтропию:
цикл при этих данных невозможен !</source>
        <translation>The entropy generated in the component &quot;%1&quot; would be negative:
the cycle is impossible with these data.</translation>
    </message>
    <message>
        <source>Жидкость не образуется: газ при дросселировании от %1 K
нагревается (он выше наибольшей температуры инверсии %2 K).
Газ нужно предварительно охладить !</source>
        <translation>No liquid forms: the gas throttled from %1 K
warms up (it is above its maximum inversion temperature, %2 K).
The gas must be precooled.</translation>
    </message>
    <message>
        <source>Жидкость не образуется: газ при дросселировании от %1 K
нагревается (при давлении %2 МПа он выше кривой инверсии;
наибольшая температура инверсии %3).
Снизьте высокое давление или охладите газ !</source>
        <translation>No liquid forms: the gas throttled from %1 K
warms up (at %2 MPa it lies above the inversion curve;
the maximum inversion temperature is %3).
Lower the high pressure or cool the gas.</translation>
    </message>
    <message>
        <source>выше %1 K</source>
        <translation>above %1 K</translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>не указаны вид устройства и вещество
</source>
        <translation>no device kind and substance given
</translation>
    </message>
    <message>
        <source>неизвестное устройство &quot;</source>
        <translation>unknown device &quot;</translation>
    </message>
    <message>
        <source> не относится к устройству </source>
        <translation> does not apply to the device </translation>
    </message>
    <message>
        <source>не указан </source>
        <translation>missing </translation>
    </message>
    <message>
        <source>теплообменнику нужен либо --t2, либо --heat</source>
        <translation>the heat exchanger needs either --t2 or --heat</translation>
    </message>
    <message>
        <source>теплообменник работает при постоянном давлении: --p2 должно равняться --p1</source>
        <translation>the heat exchanger works at constant pressure: --p2 must equal --p1</translation>
    </message>
    <message>
        <source>Состояние на входе</source>
        <translation>The inlet state</translation>
    </message>
    <message>
        <source>состояние на входе не рассчитывается !</source>
        <translation>the inlet state cannot be computed</translation>
    </message>
    <message>
        <source>устройство при этих условиях не рассчитывается !</source>
        <translation>the device cannot be computed under these conditions</translation>
    </message>
    <message>
        <source>расчет реального устройства:
  entrograf --device ВИД ВЕЩЕСТВО [--model srk|reference] --p1 P --t1 T --p2 P [--eta E] [--t2 T] [--heat Q]
            [--tr T] [--t0 T]
  ВИД: compressor, compressor-isothermal, expander, throttle, exchanger
  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</source>
        <translation>computing a real device:
  entrograf --device KIND SUBSTANCE [--model srk|reference] --p1 P --t1 T --p2 P [--eta E] [--t2 T] [--heat Q]
            [--tr T] [--t0 T]
  KIND: compressor, compressor-isothermal, expander, throttle, exchanger
  SUBSTANCE: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>Компрессор (адиабатный)</source>
        <translation>Compressor (adiabatic)</translation>
    </message>
    <message>
        <source>Компрессор (изотермический)</source>
        <translation>Compressor (isothermal)</translation>
    </message>
    <message>
        <source>Детандер</source>
        <translation>Expander</translation>
    </message>
    <message>
        <source>Дроссель</source>
        <translation>Throttle valve</translation>
    </message>
    <message>
        <source>Теплообменник</source>
        <translation>Heat exchanger</translation>
    </message>
    <message>
        <source>Компр. адиаб.</source>
        <translation>Compr. adiab.</translation>
    </message>
    <message>
        <source>Компр. изотерм.</source>
        <translation>Compr. isoth.</translation>
    </message>
    <message>
        <source>Теплообм.</source>
        <translation>Heat exch.</translation>
    </message>
    <message>
        <source>Температура окружающей среды должна быть больше 0 K !</source>
        <translation>The ambient temperature must be above 0 K.</translation>
    </message>
    <message>
        <source>Температура источника (приемника) тепла
должна быть больше 0 K !</source>
        <translation>The temperature of the heat source (sink)
must be above 0 K.</translation>
    </message>
    <message>
        <source>Давление на выходе компрессора
должно быть выше давления на входе !</source>
        <translation>The outlet pressure of a compressor
must be above the inlet pressure.</translation>
    </message>
    <message>
        <source>Давление на выходе дросселя
должно быть ниже давления на входе !</source>
        <translation>The outlet pressure of a throttle valve
must be below the inlet pressure.</translation>
    </message>
    <message>
        <source>Давление на выходе детандера
должно быть ниже давления на входе !</source>
        <translation>The outlet pressure of an expander
must be below the inlet pressure.</translation>
    </message>
    <message>
        <source>Состояние на выходе</source>
        <translation>The outlet state</translation>
    </message>
    <message>
        <source>Состояние на выходе идеального процесса</source>
        <translation>The outlet state of the ideal process</translation>
    </message>
    <message>
        <source>Тепло не переходит от холодного тела к горячему:
температура источника тепла должна быть не ниже %1 K !</source>
        <translation>Heat does not flow from a colder body to a hotter one:
the heat source must not be colder than %1 K.</translation>
    </message>
    <message>
        <source>Тепло не переходит от холодного тела к горячему:
температура приемника тепла должна быть не выше %1 K !</source>
        <translation>Heat does not flow from a colder body to a hotter one:
the heat sink must not be warmer than %1 K.</translation>
    </message>
    <message>
        <source>Устройство при этих условиях не рассчитывается !</source>
        <translation>The device cannot be computed under these conditions.</translation>
    </message>
    <message>
        <source>Не введено значение параметра &quot;%1&quot; !</source>
        <translation>No value entered for &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Изотермический КПД</source>
        <translation>Isothermal efficiency</translation>
    </message>
    <message>
        <source>Изоэнтропный КПД</source>
        <translation>Isentropic efficiency</translation>
    </message>
    <message>
        <source> Вещество</source>
        <translation> Substance</translation>
    </message>
    <message>
        <source> Устройство</source>
        <translation> Device</translation>
    </message>
    <message>
        <source> КПД</source>
        <translation> Efficiency</translation>
    </message>
    <message>
        <source> Точка</source>
        <translation> Point</translation>
    </message>
    <message>
        <source> Sпр, </source>
        <translation> Sgen, </translation>
    </message>
    <message>
        <source> T0·Sпр, </source>
        <translation> T0·Sgen, </translation>
    </message>
    <message>
        <source>Вход</source>
        <translation>Inlet</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Outlet</translation>
    </message>
    <message>
        <source>Ид. выход</source>
        <translation>Ideal outlet</translation>
    </message>
    <message>
        <source>Давление на выходе</source>
        <translation>Outlet pressure</translation>
    </message>
    <message>
        <source>Температура на выходе</source>
        <translation>Outlet temperature</translation>
    </message>
    <message>
        <source>Выделившееся тепло</source>
        <translation>Heat given off</translation>
    </message>
    <message>
        <source>Температура окружающей среды</source>
        <translation>Ambient temperature</translation>
    </message>
    <message>
        <source>Изотермический КПД должен быть не меньше %1 и не больше 1 !</source>
        <translation>The isothermal efficiency must be at least %1 and at most 1.</translation>
    </message>
    <message>
        <source>Изоэнтропный КПД должен быть не меньше %1 и не больше 1 !</source>
        <translation>The isentropic efficiency must be at least %1 and at most 1.</translation>
    </message>
    <message>
        <source> Модель</source>
        <translation> Model</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Температура Т, К</source>
        <translation>Temperature T, K</translation>
    </message>
    <message>
        <source>Энтропия S, </source>
        <translation>Entropy S, </translation>
    </message>
    <message>
        <source>%3.0f МПа</source>
        <translation>%3.0f MPa</translation>
    </message>
    <message>
        <source>%3.1f МПа</source>
        <translation>%3.1f MPa</translation>
    </message>
    <message>
        <source> TS диаграмма для %1 (в систeме SI, %2)</source>
        <translation> T-s diagram of %1 (SI units, %2)</translation>
    </message>
    <message>
        <source> lg p–h диаграмма для %1 (в системе SI, %2)</source>
        <translation> lg p–h diagram of %1 (SI units, %2)</translation>
    </message>
    <message>
        <source> h–s диаграмма для %1 (в системе SI, %2)</source>
        <translation> h–s diagram of %1 (SI units, %2)</translation>
    </message>
    <message>
        <source>Энтальпия i, </source>
        <translation>Enthalpy i, </translation>
    </message>
    <message>
        <source>Давление P, </source>
        <translation>Pressure P, </translation>
    </message>
    <message>
        <source>эталонное УС</source>
        <translation>reference EOS</translation>
    </message>
    <message>
        <source>Кривая инверсии</source>
        <translation>Inversion curve</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>не указаны вещество и файл
</source>
        <translation>no substance and file given
</translation>
    </message>
    <message>
        <source>с рабочим файлом &quot;</source>
        <translation>with a work file, &quot;</translation>
    </message>
    <message>
        <source>формат файла &quot;</source>
        <translation>the format of the file &quot;</translation>
    </message>
    <message>
        <source>&quot; неизвестен: допустимы .png, .svg, .pdf</source>
        <translation>&quot; is unknown: allowed are .png, .svg, .pdf</translation>
    </message>
    <message>
        <source>шкала &quot;</source>
        <translation>scale &quot;</translation>
    </message>
    <message>
        <source>&quot;: допустимы log и lin</source>
        <translation>&quot;: allowed are log and lin</translation>
    </message>
    <message>
        <source>T макс &lt; Т затвердевания</source>
        <translation>T max is below the solidification temperature</translation>
    </message>
    <message>
        <source>T мин &lt; Т затвердевания</source>
        <translation>T min is below the solidification temperature</translation>
    </message>
    <message>
        <source>T мин &gt;= T макс !</source>
        <translation>T min is not below T max</translation>
    </message>
    <message>
        <source>в рабочем файле &quot;</source>
        <translation>the work file &quot;</translation>
    </message>
    <message>
        <source>&quot; вещество не выбрано</source>
        <translation>&quot; has no substance chosen</translation>
    </message>
    <message>
        <source>файл &quot;</source>
        <translation>the file &quot;</translation>
    </message>
    <message>
        <source>&quot; не записан</source>
        <translation>&quot; was not written</translation>
    </message>
    <message>
        <source>диаграмма при этих условиях не рассчитывается !</source>
        <translation>the diagram cannot be computed under these conditions</translation>
    </message>
    <message>
        <source>: это не обычный файл (ссылка, устройство или папка)</source>
        <translation>: it is not a regular file (a link, device or folder)</translation>
    </message>
    <message>
        <source>&quot; не задается: пределы, шкала и модель берутся из файла</source>
        <translation>&quot; cannot be given: the limits, the scale and the model come from the file</translation>
    </message>
    <message>
        <source>T макс &gt; %1 K !</source>
        <translation>T max is above %1 K</translation>
    </message>
    <message>
        <source>вид диаграммы &quot;</source>
        <translation>diagram kind &quot;</translation>
    </message>
    <message>
        <source>&quot;: допустимы ts, ph и hs</source>
        <translation>&quot;: ts, ph and hs are allowed</translation>
    </message>
    <message>
        <source>запись диаграммы в файл:
  entrograf --export-diagram ВЕЩЕСТВО ФАЙЛ [--model srk|reference] [--tmin T] [--tmax T] [--scale log|lin]
            [--kind ts|ph|hs]
  entrograf --export-diagram РАБОЧИЙ_ФАЙЛ.entrograf ФАЙЛ [--kind ts|ph|hs]
  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air
  ФАЙЛ: .png, .svg или .pdf
  вид диаграммы: ts (T–s, по умолчанию), ph (lg p–h), hs (h–s)</source>
        <translation>writing a diagram to a file:
  entrograf --export-diagram SUBSTANCE FILE [--model srk|reference] [--tmin T] [--tmax T] [--scale log|lin]
            [--kind ts|ph|hs]
  entrograf --export-diagram WORK_FILE.entrograf FILE [--kind ts|ph|hs]
  SUBSTANCE: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air
  FILE: .png, .svg or .pdf
  diagram kind: ts (T–s, the default), ph (lg p–h), hs (h–s)</translation>
    </message>
</context>
<context>
    <name>FactSheet</name>
    <message>
        <source> Вещество = %1  ( %2 )</source>
        <translation> Substance = %1  ( %2 )</translation>
    </message>
    <message>
        <source> Его молекулярная масса  = %1</source>
        <translation> Molar mass  = %1</translation>
    </message>
    <message>
        <source> Критическая температура      = %1 K</source>
        <translation> Critical temperature      = %1 K</translation>
    </message>
    <message>
        <source> Критическое давление       = %1 МПа</source>
        <translation> Critical pressure       = %1 MPa</translation>
    </message>
    <message>
        <source> Температура сублимации при 0,1 МПа = %1 K</source>
        <translation> Sublimation temperature at 0.1 MPa = %1 K</translation>
    </message>
    <message>
        <source> Температура кипения при 0,1 МПа = %1 K</source>
        <translation> Boiling temperature at 0.1 MPa = %1 K</translation>
    </message>
    <message>
        <source> Температура тройной точки       = %1 K</source>
        <translation> Triple-point temperature       = %1 K</translation>
    </message>
    <message>
        <source> Наибольшая температура инверсии = %1 K</source>
        <translation> Maximum inversion temperature = %1 K</translation>
    </message>
    <message>
        <source> Наибольшая температура инверсии выше %1 K</source>
        <translation> Maximum inversion temperature above %1 K</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Файл не записан: это не обычный файл
(ссылка, устройство или папка) !
</source>
        <translation>The file was not written: it is not a regular file
(a link, device or folder).
</translation>
    </message>
    <message>
        <source>Файл не записан !
</source>
        <translation>The file was not written.
</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Выбор вещества</source>
        <translation>Choice of substance</translation>
    </message>
    <message>
        <source>В списке одиннадцать веществ: гелий, нормальный водород, параводород, неон, азот, аргон, кислород, диоксид углерода, метан, фреон 14 (CF4) и воздух. Щелчок по веществу рассчитывает все линии его TS диаграммы и открывает ее. Линии процессов прежнего вещества с диаграммы снимаются, циклы ожижения начинаются с данных нового вещества; таблицы сохраняют все строки.</source>
        <translation>The list holds eleven substances: helium, normal hydrogen, parahydrogen, neon, nitrogen, argon, oxygen, carbon dioxide, methane, R14 (CF4) and air. A click on a substance computes every line of its TS diagram and opens the diagram. The process lines of the former substance are taken off the diagram and the liquefaction cycles start from the new substance&apos;s data; the tables keep all their rows.</translation>
    </message>
    <message>
        <source>Пределы температуры</source>
        <translation>Temperature limits</translation>
    </message>
    <message>
        <source>Минимальная температура должна быть ниже максимальной; иначе остается прежнее значение.</source>
        <translation>The minimum must be below the maximum; otherwise the former value stays.</translation>
    </message>
    <message>
        <source>Если при новых пределах диаграмма не рассчитывается, остаются прежние пределы и линии. После изменения пределов линии идеальных процессов с диаграммы снимаются; таблица результатов остается.</source>
        <translation>If the diagram cannot be computed with the new limits, the former limits and lines stay. After a change of the limits the ideal-process lines are taken off the diagram; the results table stays.</translation>
    </message>
    <message>
        <source>Шкала и размерности</source>
        <translation>Scale and units</translation>
    </message>
    <message>
        <source>«Шкала температур диаграммы»: логарифмическая или линейная ось температуры; диаграмма перерисовывается сразу.</source>
        <translation>&quot;Temperature scale of the diagram&quot;: a logarithmic or linear temperature axis; the diagram is redrawn at once.</translation>
    </message>
    <message>
        <source>«Размерности выводимых величин»: удельные (кг/м3, кДж/кг, кДж/(кг·К)) или мольные (моль/л, Дж/моль, Дж/(моль·К)). Выбор действует во всех окнах: в отсчете по курсору, на оси энтропии и в подписях изоэнтальп, в таблицах, в окнах процессов и циклов. Значения, вводимые в окнах процессов, читаются в показанных размерностях. Температура всегда в К, давление в МПа. Программа хранит все величины в удельных единицах, поэтому переключение туда и обратно ничего не меняет.</source>
        <translation>&quot;Units of the values shown&quot;: specific (kg/m3, kJ/kg, kJ/(kg·K)) or molar (mol/l, J/mol, J/(mol·K)). The choice applies to every window: the cursor readout, the entropy axis and the isenthalp labels, the tables, the process and cycle windows. Values typed into the process windows are read in the units shown. Temperature is always in K and pressure in MPa. The program keeps every value per kilogram, so switching back and forth changes nothing.</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>«Файл» — рабочие файлы и запись диаграммы и таблиц (см. &lt;a href=&quot;#files&quot;&gt;Рабочие файлы и автосохранение&lt;/a&gt;).</source>
        <translation>&quot;File&quot;: work files and saving the diagram and the tables (see &lt;a href=&quot;#files&quot;&gt;Work files and autosave&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>«Точки» — таблица точек, снятых с диаграммы.</source>
        <translation>&quot;Points&quot;: the table of points picked on the diagram.</translation>
    </message>
    <message>
        <source>«Идеальн. процессы» и «Реальн. процессы» — окна расчета процессов.</source>
        <translation>&quot;Ideal processes&quot; and &quot;Real processes&quot;: the windows that compute processes.</translation>
    </message>
    <message>
        <source>«ТS диаграмма» — окно диаграммы; если вещество еще не выбрано, берется выделенное в списке.</source>
        <translation>&quot;TS diagram&quot;: the diagram window; if no substance has been chosen yet, the one selected in the list is taken.</translation>
    </message>
    <message>
        <source>«Выход» (и кнопка «Выход») — завершить работу; несохраненную работу программа предлагает сохранить.</source>
        <translation>&quot;Exit&quot; (and the &quot;Exit&quot; button) ends the work; the program offers to save unsaved work first.</translation>
    </message>
    <message>
        <source>«Справка» — это руководство (F1) и сведения о программе.</source>
        <translation>&quot;Help&quot;: this guide (F1) and the information about the program.</translation>
    </message>
    <message>
        <source>Линии</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Левая ветвь пограничной кривой — насыщенная жидкость.</source>
        <translation>Left branch of the saturation curve: saturated liquid.</translation>
    </message>
    <message>
        <source>Правая ветвь — сухой насыщенный пар. Между ветвями (под куполом) влажный пар; ветви сходятся в критической точке.</source>
        <translation>Right branch: dry saturated vapour. Between the branches (under the dome) lies wet vapour; the branches meet at the critical point.</translation>
    </message>
    <message>
        <source>Изобары 0,1; 1; 10 и 100 МПа, подписанные над графиком.</source>
        <translation>Isobars of 0.1, 1, 10 and 100 MPa, labelled above the plot.</translation>
    </message>
    <message>
        <source>Пять изоэнтальп с меньшими значениями энтальпии.</source>
        <translation>The five isenthalps of lower enthalpy.</translation>
    </message>
    <message>
        <source>Пять изоэнтальп с большими значениями. Изоэнтальпы проведены с круглым шагом; значение энтальпии (кДж/кг или Дж/моль) подписано у начала каждой.</source>
        <translation>The five isenthalps of higher enthalpy. The isenthalps are spaced by a round step; the value of the enthalpy (kJ/kg or J/mol) is written at the start of each.</translation>
    </message>
    <message>
        <source>Линии идеальных процессов (не больше десяти).</source>
        <translation>Lines of the ideal processes (ten at most).</translation>
    </message>
    <message>
        <source>Начальные и конечные точки процессов.</source>
        <translation>Start and end points of the processes.</translation>
    </message>
    <message>
        <source>Реальный процесс: отрезок от входа до выхода устройства. Путь необратимого процесса не является линией состояний, поэтому показаны только его концы.</source>
        <translation>Real process: the segment from the inlet to the outlet of the device. The path of an irreversible process is not a line of states, so only its ends are shown.</translation>
    </message>
    <message>
        <source>Идеальный процесс, с которым сравнивается реальный.</source>
        <translation>The ideal process the real one is compared with.</translation>
    </message>
    <message>
        <source>Цикл ожижения: изобары в теплообменниках.</source>
        <translation>Liquefaction cycle: the isobars in the heat exchangers.</translation>
    </message>
    <message>
        <source>Цикл ожижения: компрессор, дроссель и детандер.</source>
        <translation>Liquefaction cycle: compressor, throttle valve and expander.</translation>
    </message>
    <message>
        <source>Состояния цикла с их номерами (совпадающие состояния подписаны вместе: «1, 7»).</source>
        <translation>States of the cycle with their numbers (coinciding states are labelled together: &quot;1, 7&quot;).</translation>
    </message>
    <message>
        <source>Отсчет по курсору</source>
        <translation>Cursor readout</translation>
    </message>
    <message>
        <source>Точки</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Запись и печать</source>
        <translation>Saving and printing</translation>
    </message>
    <message>
        <source>Правая кнопка мыши открывает меню диаграммы: «Сохранить диаграмму...» (Ctrl+S) записывает ее со всеми линиями, подписями и осями в файл PNG, SVG или PDF; «Печать...» (Ctrl+P) печатает ее на альбомном листе. Записать диаграмму можно и из меню «Файл» главного окна. Кнопка «Назад» закрывает окно.</source>
        <translation>The right mouse button opens the diagram&apos;s menu: &quot;Save diagram...&quot; (Ctrl+S) writes it with all its lines, labels and axes to a PNG, SVG or PDF file; &quot;Print...&quot; (Ctrl+P) prints it on a landscape page. The diagram can also be saved from the &quot;File&quot; menu of the main window. The &quot;Back&quot; button closes the window.</translation>
    </message>
    <message>
        <source>Окно «Точки с TS диаграммы» собирает состояния, снятые щелчком по диаграмме. Строки копятся за всю работу и для всех веществ и хранятся в рабочем файле.</source>
        <translation>The window &quot;Points from the TS diagram&quot; collects the states picked by clicks on the diagram. The rows build up over the whole work and for all substances, and they are kept in the work file.</translation>
    </message>
    <message>
        <source>Столбцы</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>N — номер точки; «Вещество» — обозначение вещества (N2, He, ...).</source>
        <translation>N: number of the point; &quot;Substance&quot;: the symbol of the substance (N2, He, ...).</translation>
    </message>
    <message>
        <source>T, К и P, МПа — температура и давление.</source>
        <translation>T, K and P, MPa: temperature and pressure.</translation>
    </message>
    <message>
        <source>d — плотность, i — удельная энтальпия, s — удельная энтропия, Ср — изобарная теплоемкость, в размерностях, выбранных в главном окне (у влажного пара вместо Ср метка 1000000).</source>
        <translation>d: density, i: specific enthalpy, s: specific entropy, Cp: isobaric heat capacity, in the units chosen in the main window (for wet vapour the marker 1000000 stands in place of Cp).</translation>
    </message>
    <message>
        <source>x, % — степень сухости влажного пара, то есть массовая доля пара в нем; у однофазного состояния пусто.</source>
        <translation>x, %: dryness of wet vapour, that is the mass fraction of vapour in it; empty for a single-phase state.</translation>
    </message>
    <message>
        <source>Копирование и запись</source>
        <translation>Copying and saving</translation>
    </message>
    <message>
        <source>Окно рассчитывает обратимый (идеальный) процесс вещества, выбранного в главном окне: начальное состояние задают два параметра, конечное — один, величину, постоянную в процессе, программа берет из начального состояния. Все величины отнесены к 1 кг (или к 1 моль) вещества.</source>
        <translation>The window computes a reversible (ideal) process of the substance chosen in the main window: two parameters fix the start state and one the end state; the quantity kept constant in the process is taken from the start state. All quantities refer to 1 kg (or 1 mol) of the substance.</translation>
    </message>
    <message>
        <source>Процессы</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Изотерма (T = const): конец задается давлением или степенью сухости.</source>
        <translation>Isotherm (T = const): the end is given by pressure or dryness.</translation>
    </message>
    <message>
        <source>Изобара (P = const): температурой, энтальпией, энтропией или степенью сухости.</source>
        <translation>Isobar (P = const): by temperature, enthalpy, entropy or dryness.</translation>
    </message>
    <message>
        <source>Изохора (v = const): температурой.</source>
        <translation>Isochore (v = const): by temperature.</translation>
    </message>
    <message>
        <source>Изоэнтальпа (i = const), то есть дросселирование: давлением или энтропией.</source>
        <translation>Isenthalp (i = const), that is throttling: by pressure or entropy.</translation>
    </message>
    <message>
        <source>Изоэнтропа (S = const), обратимое адиабатное сжатие или расширение: давлением.</source>
        <translation>Isentrope (S = const), reversible adiabatic compression or expansion: by pressure.</translation>
    </message>
    <message>
        <source>Поля</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>«Параметры начальной точки процесса»: в двух списках выбирают параметры, правее вводят их значения. Допустимы пары: температура с давлением или степенью сухости; давление с температурой, энтальпией, энтропией или степенью сухости; плотность или удельный объем с температурой; энтальпия с давлением или энтропией; энтропия с давлением; степень сухости с температурой или давлением. Другое сочетание не принимается.</source>
        <translation>&quot;Start point of the process&quot;: choose the parameters in the two lists and type their values to the right. The admitted pairs are: temperature with pressure or dryness; pressure with temperature, enthalpy, entropy or dryness; density or specific volume with temperature; enthalpy with pressure or entropy; entropy with pressure; dryness with temperature or pressure. Any other combination is refused.</translation>
    </message>
    <message>
        <source>«Предельные значения мин, мах» показывают, в каких пределах программа принимает каждый выбранный параметр для этого вещества; значение вне них не принимается, и сообщение называет пределы.</source>
        <translation>&quot;Limits min, max&quot; show the range in which the program accepts each chosen parameter for this substance; a value outside it is refused, and the message names the limits.</translation>
    </message>
    <message>
        <source>Под введенными значениями — рассчитанное начальное состояние: температура, давление, плотность, энтальпия и энтропия. «Определяющий параметр конечной точки» задает конец процесса; под ним — рассчитанное конечное состояние.</source>
        <translation>Below the typed values is the computed start state: temperature, pressure, density, enthalpy and entropy. &quot;Parameter that fixes the end point&quot; gives the end of the process; below it is the computed end state.</translation>
    </message>
    <message>
        <source>«Результаты процесса»: выделившееся тепло Q, техническая работа L, совершенная газом, и изменения плотности, энтальпии и энтропии (конечное значение минус начальное).</source>
        <translation>&quot;Results of the process&quot;: the heat given off Q, the technical work done by the gas L, and the changes of density, enthalpy and entropy (end value minus start value).</translation>
    </message>
    <message>
        <source>Знаки Q и L</source>
        <translation>Signs of Q and L</translation>
    </message>
    <message>
        <source>Q — тепло, выделившееся из вещества: Q &gt; 0, когда вещество отдает тепло, Q &amp;lt; 0, когда получает. L — техническая работа, совершенная газом: L &gt; 0, когда газ совершает работу (расширение в детандере), L &amp;lt; 0, когда работа затрачивается (сжатие в компрессоре). В каждом процессе выполняется первый закон для потока &lt;b&gt;−Q = Δi + L&lt;/b&gt;, где Δi = i2 − i1 (индекс 1 — начало, 2 — конец).</source>
        <translation>Q is the heat given off by the substance: Q &gt; 0 when the substance gives off heat, Q &amp;lt; 0 when it takes heat in. L is the technical work done by the gas: L &gt; 0 when the gas does work (expansion in an expander), L &amp;lt; 0 when work is put in (compression in a compressor). Every process obeys the first law for a flow, &lt;b&gt;−Q = Δi + L&lt;/b&gt;, where Δi = i2 − i1 (subscript 1 the start, 2 the end).</translation>
    </message>
    <message>
        <source>Изотерма: Q = T (s1 − s2), L = T (s2 − s1) − (i2 − i1). Работа равна теплу (L = −Q) только у идеального газа, энтальпия которого от давления не зависит.</source>
        <translation>Isotherm: Q = T (s1 − s2), L = T (s2 − s1) − (i2 − i1). The work equals the heat (L = −Q) only for an ideal gas, whose enthalpy does not depend on pressure.</translation>
    </message>
    <message>
        <source>Изобара: Q = i1 − i2, L = 0.</source>
        <translation>Isobar: Q = i1 − i2, L = 0.</translation>
    </message>
    <message>
        <source>Изохора: Q = u1 − u2, где u = i − Pv — внутренняя энергия; L = (P1 − P2) v.</source>
        <translation>Isochore: Q = u1 − u2, where u = i − Pv is the internal energy; L = (P1 − P2) v.</translation>
    </message>
    <message>
        <source>Изоэнтальпа: Q = 0, L = 0.</source>
        <translation>Isenthalp: Q = 0, L = 0.</translation>
    </message>
    <message>
        <source>Изоэнтропа: Q = 0, L = i1 − i2.</source>
        <translation>Isentrope: Q = 0, L = i1 − i2.</translation>
    </message>
    <message>
        <source>Кнопки</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>«В таблицу» записывает процесс в таблицу результатов: строку начальной и строку конечной точки.</source>
        <translation>&quot;To the table&quot; writes the process to the results table: a row for the start point and a row for the end point.</translation>
    </message>
    <message>
        <source>«TS диаграмма» рисует процесс на диаграмме, не больше десяти линий.</source>
        <translation>&quot;TS diagram&quot; draws the process on the diagram, ten lines at most.</translation>
    </message>
    <message>
        <source>«Конец =&gt; Начало» делает конечное состояние начальным (параметрами становятся температура и давление): так процессы продолжают друг друга и складываются в цикл.</source>
        <translation>&quot;End =&gt; Start&quot; makes the end state the start state (the parameters become temperature and pressure), so that processes follow one another and build up a cycle.</translation>
    </message>
    <message>
        <source>«Назад» закрывает окно; введенные значения сохраняются.</source>
        <translation>&quot;Back&quot; closes the window; the values typed are kept.</translation>
    </message>
    <message>
        <source>Таблица результатов расчета идеальных процессов. Каждый процесс, записанный кнопкой «В таблицу», занимает две строки: начальную и конечную точки. Строки копятся за всю работу и хранятся в рабочем файле.</source>
        <translation>The results table of the ideal processes. Each process written with &quot;To the table&quot; takes two rows: the start point and the end point. The rows build up over the whole work and are kept in the work file.</translation>
    </message>
    <message>
        <source>N — номер процесса; «Вещество»; «Процесс» — T = const, P = const, v = const, i = const или S = const; «Точки» — начальная или конечная.</source>
        <translation>N: number of the process; &quot;Substance&quot;; &quot;Process&quot;: T = const, P = const, v = const, i = const or S = const; &quot;Points&quot;: start or end.</translation>
    </message>
    <message>
        <source>T, P, d, i, s — состояния начала и конца, в размерностях главного окна.</source>
        <translation>T, P, d, i, s: the start and end states, in the units of the main window.</translation>
    </message>
    <message>
        <source>Q и L — тепло и работа процесса (в строке начальной точки); их знаки — как в окне процессов (см. &lt;a href=&quot;#process&quot;&gt;Идеальные процессы&lt;/a&gt;).</source>
        <translation>Q and L: the heat and work of the process (in the row of the start point); their signs are those of the process window (see &lt;a href=&quot;#process&quot;&gt;Ideal processes&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>Таблица копируется (Ctrl+C, «Копировать», «Копировать всё») и записывается в файл CSV так же, как таблица точек; то же делает «Сохранить процессы в CSV...» меню «Файл». Кнопка закрытия скрывает окно, строки остаются.</source>
        <translation>The table is copied (Ctrl+C, &quot;Copy&quot;, &quot;Copy all&quot;) and saved as a CSV file in the same way as the points table; &quot;Save processes as CSV...&quot; in the &quot;File&quot; menu does the same. The close button hides the window; the rows stay.</translation>
    </message>
    <message>
        <source>Окно «Реальные процессы» рассчитывает устройство с потерями и сравнивает его с идеальным процессом: выход, работу и тепло, производство энтропии и потерю эксергии. Окно открывается из меню «Реальн. процессы» главного окна.</source>
        <translation>The window &quot;Real processes&quot; computes a device with losses and compares it with the ideal process: the outlet, the work and heat, the entropy generated and the exergy destroyed. It opens from the &quot;Real processes&quot; menu of the main window.</translation>
    </message>
    <message>
        <source>Устройства</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Компрессор (адиабатный): давление на выходе P2 и изоэнтропный КПД ηs; i2 = i1 + (i2s − i1)/ηs при P2, где i2s — энтальпия в конце изоэнтропы; sgen = s2 − s1.</source>
        <translation>Compressor (adiabatic): outlet pressure P2 and isentropic efficiency ηs; i2 = i1 + (i2s − i1)/ηs at P2, where i2s is the enthalpy at the end of the isentrope; sgen = s2 − s1.</translation>
    </message>
    <message>
        <source>Компрессор (изотермический): P2 и изотермический КПД ηT; T2 = T1, работа L = LT/ηT, где LT — работа изотермы, тепло отводится при T1; sgen = s2 − s1 + Q/T1.</source>
        <translation>Compressor (isothermal): P2 and isothermal efficiency ηT; T2 = T1, work L = LT/ηT, where LT is the work of the isotherm, the heat is rejected at T1; sgen = s2 − s1 + Q/T1.</translation>
    </message>
    <message>
        <source>Детандер: P2 и ηs; i2 = i1 − ηs (i1 − i2s); sgen = s2 − s1.</source>
        <translation>Expander: P2 and ηs; i2 = i1 − ηs (i1 − i2s); sgen = s2 − s1.</translation>
    </message>
    <message>
        <source>Дроссель: P2; i2 = i1, работы нет; он сравнивается с идеальным детандером (изоэнтропой); sgen = s2 − s1.</source>
        <translation>Throttle valve: P2; i2 = i1, no work; it is compared with an ideal expander (the isentrope); sgen = s2 − s1.</translation>
    </message>
    <message>
        <source>Теплообменник: при постоянном давлении до температуры на выходе T2 или до заданного выделившегося тепла Q; Tr — температура источника (приемника) тепла, при пустом поле T0; sgen = s2 − s1 + Q/Tr.</source>
        <translation>Heat exchanger: at constant pressure up to the outlet temperature T2 or up to a given heat given off Q; Tr is the temperature of the heat source (sink), T0 when the field is empty; sgen = s2 − s1 + Q/Tr.</translation>
    </message>
    <message>
        <source>«Параметры на входе» задаются любой парой, допустимой в окне идеальных процессов, с теми же пределами. «Данные устройства»: давление на выходе, КПД (больше 0 и не больше 1), для теплообменника — температура на выходе или выделившееся тепло и температура источника (приемника) тепла, и для всех устройств — температура окружающей среды T0 (сначала 300 К).</source>
        <translation>The &quot;Inlet&quot; is given by any pair admitted in the ideal-process window, within the same limits. &quot;Device data&quot;: the outlet pressure, the efficiency (above 0 and not above 1), for the heat exchanger the outlet temperature or the heat given off and the temperature of the heat source (sink), and for every device the ambient temperature T0 (300 K at first).</translation>
    </message>
    <message>
        <source>Строки состояний: вход, выход и идеальный выход (температура, давление, плотность, энтальпия, энтропия, степень сухости влажного пара). «Результаты процесса»: техническая работа L, совершенная газом, выделившееся тепло Q (знаки — как в окне идеальных процессов, −Q = Δi + L), производство энтропии sgen и потеря эксергии T0·sgen.</source>
        <translation>State rows: inlet, outlet and ideal outlet (temperature, pressure, density, enthalpy, entropy, dryness of wet vapour). &quot;Results of the process&quot;: the technical work done by the gas L, the heat given off Q (signs as in the ideal-process window, −Q = Δi + L), the entropy generated sgen and the exergy destroyed T0·sgen.</translation>
    </message>
    <message>
        <source>Производство энтропии и потеря эксергии</source>
        <translation>Entropy generated and exergy destroyed</translation>
    </message>
    <message>
        <source>sgen — энтропия, произведенная в устройстве вместе с источником или приемником тепла; по второму закону sgen ≥ 0, и равна нулю она только без потерь. Потеря эксергии T0·sgen (теорема Гюи–Стодолы) — работа, безвозвратно потерянная из-за необратимости при температуре окружающей среды T0.</source>
        <translation>sgen is the entropy generated in the device together with its heat source or sink; by the second law sgen ≥ 0, and it is zero only without losses. The exergy destroyed T0·sgen (the Gouy–Stodola theorem) is the work lost for good through irreversibility at the ambient temperature T0.</translation>
    </message>
    <message>
        <source>«Вычислить» (или Enter) рассчитывает устройство; «В таблицу» записывает его в таблицу реальных процессов.</source>
        <translation>&quot;Compute&quot; (or Enter) computes the device; &quot;To the table&quot; writes it to the table of real processes.</translation>
    </message>
    <message>
        <source>«TS диаграмма» рисует процесс на диаграмме: штриховой отрезок от входа к выходу и сплошной идеальный процесс, не больше десяти устройств. При выборе другого вещества они снимаются.</source>
        <translation>&quot;TS diagram&quot; draws the process on the diagram: a dashed segment from inlet to outlet and the ideal process as a solid line, ten devices at most. Choosing another substance takes them off.</translation>
    </message>
    <message>
        <source>«Конец =&gt; Начало» делает выход входом следующего устройства: так шаг за шагом строится последовательность (сжатие, охлаждение, дросселирование).</source>
        <translation>&quot;End =&gt; Start&quot; makes the outlet the inlet of the next device, so that a sequence (compression, cooling, throttling) is built step by step.</translation>
    </message>
    <message>
        <source>«Циклы ожижения» открывает окно циклов; «Назад» закрывает окно.</source>
        <translation>&quot;Liquefaction cycles&quot; opens the cycles window; &quot;Back&quot; closes the window.</translation>
    </message>
    <message>
        <source>Таблица результатов расчета реальных процессов. Каждое устройство, записанное кнопкой «В таблицу», занимает три строки: вход, выход и идеальный выход.</source>
        <translation>The results table of the real processes. Each device written with &quot;To the table&quot; takes three rows: inlet, outlet and ideal outlet.</translation>
    </message>
    <message>
        <source>N, «Вещество», «Устройство» и его «КПД»; «Точка» — вход, выход или идеальный выход.</source>
        <translation>N, &quot;Substance&quot;, &quot;Device&quot; and its efficiency; &quot;Point&quot;: inlet, outlet or ideal outlet.</translation>
    </message>
    <message>
        <source>T, P, d, i, s и x, % — состояние и степень сухости влажного пара.</source>
        <translation>T, P, d, i, s and x, %: the state and the dryness of wet vapour.</translation>
    </message>
    <message>
        <source>Таблица копируется и записывается в CSV так же, как другие таблицы; «Закрыть» скрывает окно, строки остаются.</source>
        <translation>The table is copied and saved as CSV like the other tables; &quot;Close&quot; hides the window, the rows stay.</translation>
    </message>
    <message>
        <source>Окно «Циклы ожижения» открывается кнопкой «Циклы ожижения» окна реальных процессов. Оно рассчитывает ожижитель для вещества главного окна: выход жидкости, затраченную работу, степень совершенства и потери эксергии по элементам цикла.</source>
        <translation>The window &quot;Liquefaction cycles&quot; opens with the &quot;Liquefaction cycles&quot; button of the real-process window. It computes a liquefier for the substance of the main window: the liquid yield, the work spent, the figure of merit and the exergy destroyed in each component of the cycle.</translation>
    </message>
    <message>
        <source>Циклы</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Линде–Хэмпсон: изотермический компрессор, противоточный теплообменник, дроссель и отделитель жидкости.</source>
        <translation>Linde–Hampson: isothermal compressor, counterflow heat exchanger, throttle valve and liquid separator.</translation>
    </message>
    <message>
        <source>Клод: доля потока высокого давления xe расширяется в детандере и возвращается в обратный поток; работа детандера возвращается на вал компрессора.</source>
        <translation>Claude: a fraction xe of the high-pressure flow expands in an expander and joins the return flow; the expander&apos;s work goes back to the compressor shaft.</translation>
    </message>
    <message>
        <source>Данные</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Низкое и высокое давление; T1 — температура окружающей среды и сжатия; изотермический КПД компрессора; разность температур на теплом конце теплообменников ΔT; теплоприток на 1 кг сжатого газа; для предварительного охлаждения — температура ванны; для цикла Клода — доля потока на детандер xe, температура на входе в детандер и его изоэнтропный КПД. Каждое изменение сразу пересчитывает цикл; значение, при котором цикла нет, не принимается: сообщение называет причину, поле и результаты остаются прежними.</source>
        <translation>Low and high pressure; T1, the ambient and compression temperature; the isothermal efficiency of the compressor; the temperature difference ΔT at the warm end of the heat exchangers; the heat leak per 1 kg of compressed gas; with precooling the bath temperature; for the Claude cycle the expander flow fraction xe, the expander inlet temperature and its isentropic efficiency. Every change recomputes the cycle at once; a value that makes no cycle is refused: the message gives the reason, and the field and the results keep their values.</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Выход жидкости y — килограммы жидкости на 1 кг сжатого газа.</source>
        <translation>Liquid yield y: kilograms of liquid per 1 kg of compressed gas.</translation>
    </message>
    <message>
        <source>Работа сжатия, работа детандера, обратимая работа охлаждения ванны и затраченная работа W на 1 кг сжатого газа; W/y — на 1 кг жидкости.</source>
        <translation>Compression work, expander work, the reversible work of cooling the bath and the work spent W per 1 kg of compressed gas; W/y per 1 kg of liquid.</translation>
    </message>
    <message>
        <source>Минимальная работа ожижения Wi = T0 (s1 − sf) − (i1 − if) — работа обратимого ожижения от состояния 1 до жидкости f.</source>
        <translation>Minimum work of liquefaction Wi = T0 (s1 − sf) − (i1 − if): the work of reversible liquefaction from state 1 to the liquid f.</translation>
    </message>
    <message>
        <source>Степень совершенства Wi/(W/y): доля затраченной работы, которая была бы нужна без потерь.</source>
        <translation>Figure of merit Wi/(W/y): the share of the work spent that would be needed without losses.</translation>
    </message>
    <message>
        <source>Таблица состояний нумерует состояния цикла (температура, давление, плотность, энтальпия, энтропия, степень сухости, доля потока). Потери эксергии T0·sgen каждого элемента на 1 кг жидкости перечислены с их долями и показаны столбцами; их сумма равна W/y − Wi. Таблицы копируются и записываются, как другие; контекстное меню диаграммы потерь копирует ее или записывает в PNG.</source>
        <translation>The state table numbers the states of the cycle (temperature, pressure, density, enthalpy, entropy, dryness, flow fraction). The exergy destroyed T0·sgen in each component per 1 kg of liquid is listed with its share and drawn as bars; the sum equals W/y − Wi. The tables copy and save like the others; the context menu of the loss chart copies it or saves it as PNG.</translation>
    </message>
    <message>
        <source>«Цикл на TS диаграмме» рисует цикл фиолетовым цветом с номерами состояний (см. &lt;a href=&quot;#diagram&quot;&gt;TS диаграмма&lt;/a&gt;).</source>
        <translation>&quot;Cycle on the TS diagram&quot; draws the cycle in violet with the numbers of its states (see &lt;a href=&quot;#diagram&quot;&gt;TS diagram&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>Когда жидкость не образуется</source>
        <translation>When no liquid forms</translation>
    </message>
    <message>
        <source>Выход находится из энергетического баланса холодного блока, остальные состояния — из балансов теплообменников. Каждый теплообменник проверяется на концах и в восьми сечениях между ними: если горячий поток где-то холоднее холодного, цикл при этих данных невозможен и не принимается.</source>
        <translation>The yield follows from the energy balance of the cold box, the other states from the balances of the heat exchangers. Each heat exchanger is checked at its ends and at eight sections between them: if the hot stream is anywhere colder than the cold one, the cycle is impossible with these data and is refused.</translation>
    </message>
    <message>
        <source>Меню «Файл»</source>
        <translation>The &quot;File&quot; menu</translation>
    </message>
    <message>
        <source>«Новый» (Ctrl+N) начинает работу заново, «Открыть...» (Ctrl+O) открывает рабочий файл, «Сохранить» (Ctrl+S) и «Сохранить как...» (Ctrl+Shift+S) записывают работу.</source>
        <translation>&quot;New&quot; (Ctrl+N) starts a new work, &quot;Open...&quot; (Ctrl+O) opens a work file, &quot;Save&quot; (Ctrl+S) and &quot;Save as...&quot; (Ctrl+Shift+S) write the work.</translation>
    </message>
    <message>
        <source>«Недавние файлы» — последние восемь файлов.</source>
        <translation>&quot;Recent files&quot;: the last eight files.</translation>
    </message>
    <message>
        <source>«Сохранить диаграмму...», «Сохранить точки в CSV...», «Сохранить процессы в CSV...» записывают диаграмму и таблицы.</source>
        <translation>&quot;Save diagram...&quot;, &quot;Save points as CSV...&quot; and &quot;Save processes as CSV...&quot; write the diagram and the tables.</translation>
    </message>
    <message>
        <source>Перед тем как работа будет потеряна (выход, «Новый», открытие другого файла), программа спрашивает, сохранить ли несохраненную работу. Файл, который не является рабочим файлом, испорчен, записан более новой версией или содержит значение вне пределов расчета, не открывается: сообщение называет причину, а открытая работа не меняется.</source>
        <translation>Before work would be lost (exit, &quot;New&quot;, opening another file) the program asks whether to save unsaved work. A file that is not a work file, is damaged, was written by a newer version or holds a value outside the range of the program is not opened: the message gives the reason, and the open work does not change.</translation>
    </message>
    <message>
        <source>Автосохранение</source>
        <translation>Autosave</translation>
    </message>
    <message>
        <source>Пока программа работает, она каждые 30 секунд (если что-то изменилось) и после каждой новой строки таблиц записывает работу в свою папку данных. При нормальном завершении эта запись удаляется. Если программа завершилась аварийно, при следующем запуске она предложит восстановить несохраненную работу.</source>
        <translation>While the program runs, it writes the work to its data folder every 30 seconds (if anything changed) and after each new row of the tables. A normal end removes this copy. If the program ended abnormally, the next start offers to restore the unsaved work.</translation>
    </message>
    <message>
        <source>Командная строка</source>
        <translation>Command line</translation>
    </message>
    <message>
        <source>Десять веществ описывает кубическое уравнение Редлиха–Квонга в форме Соаве: P = ρRT/(1 − bρ) − a α(T) ρ²/(1 + bρ), α = [1 + m (1 − √(T/Tкр))]², где m зависит от ацентрического фактора ω. Постоянные a, b и ω каждого вещества хранит каталог программы.</source>
        <translation>Ten substances are described by the Redlich–Kwong cubic equation in Soave&apos;s form: P = ρRT/(1 − bρ) − a α(T) ρ²/(1 + bρ), α = [1 + m (1 − √(T/Tc))]², where m depends on the acentric factor ω. The constants a, b and ω of each substance are kept in the program&apos;s catalogue.</translation>
    </message>
    <message>
        <source>Гелий описывает свое многопараметрическое уравнение для коэффициента сжимаемости: степени приведенной плотности до десятой с пятью функциями температуры.</source>
        <translation>Helium has its own multi-parameter equation for the compressibility factor: powers of the reduced density up to the tenth with five functions of temperature.</translation>
    </message>
    <message>
        <source>Свойства идеального газа дают полиномы теплоемкости cp0(T), у фреона 14 — модель жесткого ротатора и гармонического осциллятора. Давление насыщения рассчитывается по корреляциям, плотности насыщенных пара и жидкости — по уравнению состояния; у воздуха, смеси, линии кипения и конденсации различаются. Линия затвердевания — уравнение типа Симона.</source>
        <translation>The ideal-gas properties come from polynomials of the heat capacity cp0(T); for R14 from a rigid-rotor and harmonic-oscillator model. The saturation pressure is computed from correlations, the densities of saturated vapour and liquid from the equation of state; for air, a mixture, the bubble and dew lines differ. The solidification line is an equation of the Simon type.</translation>
    </message>
    <message>
        <source>Пределы</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Давление — до 100 МПа, у гелия до 10 МПа (выше его уравнение состояний не описывает); наименьшее давление 0,000001 МПа.</source>
        <translation>Pressure: up to 100 MPa, for helium up to 10 MPa (its equation describes no states above); the lowest pressure is 0.000001 MPa.</translation>
    </message>
    <message>
        <source>Плотность — ниже предельной плотности уравнения (1/b, у гелия 220 кг/м3).</source>
        <translation>Density: below the limiting density of the equation (1/b, 220 kg/m3 for helium).</translation>
    </message>
    <message>
        <source>Состояние вне этих пределов программа не рассчитывает и говорит об этом, а не дает неверное число.</source>
        <translation>The program does not compute a state outside these limits and says so, rather than give a wrong number.</translation>
    </message>
    <message>
        <source>Точность</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>Уравнение состояния Редлиха–Квонга (O. Redlich, J. N. S. Kwong, 1949) в форме Соаве (G. Soave, 1972) с зависимостью m(ω) в виде Грабоски и Даубера (M. S. Graboski, T. E. Daubert, 1978); постоянные a, b, ацентрические факторы, критические и тройные точки — каталог веществ программы.</source>
        <translation>The Redlich–Kwong equation of state (O. Redlich, J. N. S. Kwong, 1949) in Soave&apos;s form (G. Soave, 1972) with m(ω) as given by Graboski and Daubert (M. S. Graboski, T. E. Daubert, 1978); the constants a and b, the acentric factors, the critical and triple points from the program&apos;s catalogue of substances.</translation>
    </message>
    <message>
        <source>Гелий: многопараметрическое уравнение для коэффициента сжимаемости, степени приведенной плотности до десятой с пятью функциями температуры.</source>
        <translation>Helium: a multi-parameter equation for the compressibility factor, powers of the reduced density up to the tenth with five functions of temperature.</translation>
    </message>
    <message>
        <source>Функции идеального газа: полиномы теплоемкости cp0(T); фреон 14 — жесткий ротатор и гармонический осциллятор по основным частотам колебаний CF4 909, 435, 1283 и 631 см⁻¹; проверены по статистической механике и таблицам JANAF.</source>
        <translation>Ideal-gas functions: polynomials of the heat capacity cp0(T); R14 as a rigid rotor and harmonic oscillator with the fundamental vibration frequencies of CF4, 909, 435, 1283 and 631 cm⁻¹; checked against statistical mechanics and the JANAF tables.</translation>
    </message>
    <message>
        <source>Давление насыщения — корреляции библиотеки программы, линия затвердевания — уравнения типа Симона.</source>
        <translation>Saturation pressure: correlations of the program&apos;s library; solidification line: equations of the Simon type.</translation>
    </message>
    <message>
        <source>Кубическое уравнение Соаве–Редлиха–Квонга и уравнение гелия</source>
        <translation>The Soave–Redlich–Kwong cubic equation and the helium equation</translation>
    </message>
    <message>
        <source>Главное окно</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>TS диаграмма</source>
        <translation>TS diagram</translation>
    </message>
    <message>
        <source>Таблица точек</source>
        <translation>Points table</translation>
    </message>
    <message>
        <source>Идеальные процессы</source>
        <translation>Ideal processes</translation>
    </message>
    <message>
        <source>Таблица идеальных процессов</source>
        <translation>Ideal-process results</translation>
    </message>
    <message>
        <source>Реальные процессы</source>
        <translation>Real processes</translation>
    </message>
    <message>
        <source>Таблица реальных процессов</source>
        <translation>Real-process results</translation>
    </message>
    <message>
        <source>Циклы ожижения</source>
        <translation>Liquefaction cycles</translation>
    </message>
    <message>
        <source>Рабочие файлы и автосохранение</source>
        <translation>Work files and autosave</translation>
    </message>
    <message>
        <source>Модель свойств веществ</source>
        <translation>Property model</translation>
    </message>
    <message>
        <source>Учебная программа по технической термодинамике и криогенике: TS диаграммы рабочих веществ, идеальные и реальные процессы, циклы ожижения.</source>
        <translation>A teaching program for engineering thermodynamics and cryogenics: TS diagrams of working substances, ideal and real processes, liquefaction cycles.</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Программа свободная: ее можно распространять и изменять на условиях GNU General Public License версии 3 или (по вашему выбору) любой более поздней версии, опубликованной Free Software Foundation. Программа распространяется без каких-либо гарантий. Текст лицензии — в файле LICENSE.</source>
        <translation>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version, as published by the Free Software Foundation. It is distributed without any warranty. The text of the licence is in the file LICENSE.</translation>
    </message>
    <message>
        <source>Построена на Qt %1.</source>
        <translation>Built with Qt %1.</translation>
    </message>
    <message>
        <source>Источники данных о свойствах веществ</source>
        <translation>Sources of the property data</translation>
    </message>
    <message>
        <source>Entrograf - Руководство</source>
        <translation>Entrograf - Guide</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About Entrograf</translation>
    </message>
    <message>
        <source>Линия затвердевания: проходит через нижние концы изобар. Левее нее твердое тело, которое программа не рассчитывает.</source>
        <translation>Solidification line: it passes through the lower ends of the isobars. To its left lies the solid, which the program does not compute.</translation>
    </message>
    <message>
        <source>Точки процессов за пределами диаграммы не рисуются; видимая часть линии остается.</source>
        <translation>Points of processes outside the diagram are not drawn; the visible part of the line stays.</translation>
    </message>
    <message>
        <source>Степень сухости вводится в процентах: это массовая доля пара во влажном паре (0 % — кипящая жидкость, 100 % — сухой насыщенный пар). Задать ее можно только между тройной и критической точками.</source>
        <translation>Dryness is typed in percent: it is the mass fraction of vapour in wet vapour (0 % saturated liquid, 100 % dry saturated vapour). It can be given only between the triple point and the critical point.</translation>
    </message>
    <message>
        <source>«Вычислить» (или Enter в поле ввода) рассчитывает процесс. Если состояние рассчитать нельзя, сообщение называет причину.</source>
        <translation>&quot;Compute&quot; (or Enter in an input field) computes the process. If a state cannot be computed, the message gives the reason.</translation>
    </message>
    <message>
        <source>Устройство не рассчитывается, если давление на выходе компрессора не выше давления на входе, а детандера или дросселя — не ниже; если КПД вне пределов; если нагреваемый поток на выходе горячее источника тепла или охлаждаемый на выходе холоднее приемника (тепло не переходит от холодного тела к горячему); если выход вне пределов расчета. Тогда сообщение называет причину, а таблица, диаграмма и прежний результат не меняются.</source>
        <translation>A device is not computed if a compressor&apos;s outlet pressure is not above its inlet pressure, or an expander&apos;s or throttle valve&apos;s not below it; if the efficiency is out of range; if a heated stream leaves hotter than the heat source or a cooled stream leaves colder than the heat sink (heat does not pass from a colder body to a hotter one); if the outlet lies outside the range of the program. The message then gives the reason, and the table, the diagram and the former result do not change.</translation>
    </message>
    <message>
        <source>Линде–Хэмпсон с предварительным охлаждением: между двумя теплообменниками поток охлаждается в ванне (жидкий азот для водорода и неона, жидкий водород для гелия, для остальных веществ — ванна при 233 К).</source>
        <translation>Linde–Hampson with precooling: between two heat exchangers the stream is cooled in a bath (liquid nitrogen for hydrogen and neon, liquid hydrogen for helium, a bath at 233 K for the other substances).</translation>
    </message>
    <message>
        <source>Газ кубическое уравнение описывает хорошо. Плотность насыщенной жидкости отличается от справочной примерно на 1 % у азота, аргона, кислорода, метана и гелия, но на 6–11 % у неона, диоксида углерода и водорода; вблизи критической точки погрешности больше. Выход жидкости цикла Линде–Хэмпсона для азота получается 0,068 против 0,071 по справочным данным. Программа предназначена для обучения, а не для проектных расчетов.</source>
        <translation>The cubic equation describes the gas well. The density of the saturated liquid differs from reference values by about 1 % for nitrogen, argon, oxygen, methane and helium, but by 6–11 % for neon, carbon dioxide and hydrogen; near the critical point the errors are larger. The liquid yield of the Linde–Hampson cycle for nitrogen comes out 0.068 against 0.071 from reference data. The program is meant for teaching, not for design calculations.</translation>
    </message>
    <message>
        <source>Главное окно открывается при запуске программы. В нем выбирают рабочее вещество и модель его свойств, задают пределы и шкалу температуры TS диаграммы и размерности выводимых величин; его меню открывает остальные окна. В любом окне клавиша F1 открывает раздел руководства об этом окне.</source>
        <translation>The main window opens when the program starts. Here you choose the working substance and the model of its properties, set the temperature limits and scale of the TS diagram and the units of the values shown; its menu opens the other windows. In any window the F1 key opens the section of this guide on that window.</translation>
    </message>
    <message>
        <source>Рядом со списком — справка о выбранном веществе по выбранной модели: его обозначение, молекулярная масса, критические температура и давление, температура кипения при нормальном давлении 0,101325 МПа (у воздуха — начало кипения), температура тройной точки (у гелия тройной точки нет: указана нижняя граница расчета, у кубической модели 2,2 К, у эталонной λ-точка 2,1768 К) и наибольшая температура инверсии: выше нее газ при дросселировании с любого давления нагревается. Если наибольшая температура инверсии выше пределов расчета модели, так и сказано. Это постоянные самой модели (см. &lt;a href=&quot;#model&quot;&gt;Модель свойств веществ&lt;/a&gt;).</source>
        <translation>Next to the list is the fact sheet of the chosen substance by the chosen model: its symbol, molar mass, critical temperature and pressure, boiling temperature at the normal pressure of 0.101325 MPa (for air, where boiling starts), triple-point temperature (helium has no triple point: the lower limit of the computation is given, 2.2 K for the cubic model, the λ point 2.1768 K for the reference one) and the maximum inversion temperature: above it the gas warms up when throttled from any pressure. Where the maximum inversion temperature lies above the model&apos;s range, the fact sheet says so. These are the constants of the model itself (see &lt;a href=&quot;#model&quot;&gt;Property model&lt;/a&gt;).</translation>
    </message>
    <message>
        <source>Модель свойств</source>
        <translation>Property model</translation>
    </message>
    <message>
        <source>«Модель свойств веществ»: «Кубическое уравнение (SRK)» — уравнение Соаве–Редлиха–Квонга (у гелия — его собственное уравнение) с корреляциями линии насыщения; «Эталонное уравнение состояния» — многопараметрическое уравнение для энергии Гельмгольца, по которому составлены справочные таблицы свойств вещества. Сначала выбрана кубическая модель.</source>
        <translation>&quot;Property model&quot;: &quot;Cubic equation (SRK)&quot; is the Soave–Redlich–Kwong equation (helium: its own equation) with correlations of the saturation line; &quot;Reference equation of state&quot; is the multiparameter equation for the Helmholtz energy from which the reference tables of the substance&apos;s properties are made. The cubic model is chosen at first.</translation>
    </message>
    <message>
        <source>Выбор модели действует, как выбор вещества: диаграмма рассчитывается заново, линии процессов с нее снимаются, окна процессов и циклы начинаются заново, все новые расчеты (отсчет по курсору, точки, процессы, устройства, циклы) ведутся по этой модели. Пределы температуры остаются, если модель их допускает. Модель названа в заголовках окон и таблиц, а каждая строка таблицы в столбце «Модель» называет модель, по которой она рассчитана: так в одной таблице можно сравнить обе модели. Модель хранится в рабочем файле; файлы прежних версий открываются с кубической моделью.</source>
        <translation>Choosing a model acts as choosing a substance does: the diagram is computed again, the process lines come off it, the process windows and the cycles start anew, and every new computation (the cursor readout, points, processes, devices, cycles) uses that model. The temperature limits stay where the model admits them. The model is named in the headings of the windows and tables, and the &quot;Model&quot; column of every table row names the model that computed it, so both models can be compared in one table. The model is kept in the work file; files of earlier versions open with the cubic model.</translation>
    </message>
    <message>
        <source>«Максимальная т-ра» и «Минимальная т-ра» — пределы оси температуры диаграммы, К. При выборе вещества минимальная температура ставится на 0,0001 К выше тройной точки модели, максимальная — 350 К. Новое значение действует при выходе из поля или по Enter: линии диаграммы рассчитываются заново.</source>
        <translation>&quot;Maximum temp.&quot; and &quot;Minimum temp.&quot; are the limits of the diagram&apos;s temperature axis, K. Choosing a substance sets the minimum 0.0001 K above the model&apos;s triple point and the maximum to 350 K. A new value takes effect when you leave the field or press Enter: the lines of the diagram are computed again.</translation>
    </message>
    <message>
        <source>Минимальная температура ниже температуры затвердевания (тройной точки модели) исправляется на нее, о чем выводится сообщение.</source>
        <translation>A minimum below the solidification temperature (the model&apos;s triple point) is corrected to it, with a message.</translation>
    </message>
    <message>
        <source>Максимальная температура не может быть выше наибольшей температуры, которую рассчитывает модель: у кубической модели 700 К для водорода, азота, кислорода и воздуха (выход компрессора со степенью сжатия 10) и 1000 К для остальных веществ; у эталонной 1000 К или предел самого уравнения (неон 725 К, метан 625 К, фреон 14 623 К). Так на диаграмме виден выход любого устройства, которое рассчитала программа. Более высокая температура не принимается.</source>
        <translation>The maximum cannot be above the highest temperature the model computes: for the cubic model 700 K for hydrogen, nitrogen, oxygen and air (the outlet of a compressor with a pressure ratio of 10) and 1000 K for the other substances; for the reference model 1000 K or the equation&apos;s own limit (neon 725 K, methane 625 K, R14 623 K). So the outlet of any device the program computed can be seen on the diagram. A higher temperature is not accepted.</translation>
    </message>
    <message>
        <source>Остальные изобары: 0,05; 0,25; 0,5; 2,5; 5; 25 и 50 МПа. Под куполом изобара идет горизонтально: там она совпадает с изотермой насыщения. У гелия по кубической модели изобары только до 10 МПа, у кислорода и фреона 14 по эталонной — до 50 МПа; изобары ниже давления тройной точки (у аргона 0,05 МПа, у диоксида углерода до 0,5 МПа) проведены лишь в газе.</source>
        <translation>The other isobars: 0.05, 0.25, 0.5, 2.5, 5, 25 and 50 MPa. Under the dome an isobar runs horizontally: there it coincides with the saturation isotherm. Helium by the cubic model has isobars up to 10 MPa only, oxygen and R14 by the reference model up to 50 MPa; isobars below the triple-point pressure (0.05 MPa for argon, up to 0.5 MPa for carbon dioxide) are drawn in the gas only.</translation>
    </message>
    <message>
        <source>Щелчок по диаграмме записывает состояние под курсором в следующую строку таблицы точек и показывает таблицу. На пределах температуры и при давлении не ниже наибольшей изобары диаграммы (100 МПа; у гелия по кубической модели 10 МПа, у кислорода и фреона 14 по эталонной 50 МПа) точка не записывается, но таблица показывается.</source>
        <translation>A click on the diagram writes the state under the cursor into the next row of the points table and shows the table. At the temperature limits and at a pressure not below the diagram&apos;s highest isobar (100 MPa; 10 MPa for helium by the cubic model, 50 MPa for oxygen and R14 by the reference model) no point is written, but the table is still shown.</translation>
    </message>
    <message>
        <source>«Модель» — модель свойств, по которой рассчитана строка: SRK (кубическое уравнение) или эталонное уравнение. Заголовок таблицы называет модели ее строк, а у пустой таблицы — выбранную.</source>
        <translation>&quot;Model&quot;: the property model that computed the row, SRK (the cubic equation) or the reference equation. The heading of the table names the models of its rows, or the chosen one while the table is empty.</translation>
    </message>
    <message>
        <source>Ctrl+C или «Копировать» в контекстном меню копирует выделенные ячейки, столбцы через табуляцию: они вставляются в электронную таблицу. «Копировать всё» копирует всю таблицу с заголовками, «Сохранить в CSV...» записывает ее в файл CSV в кодировке UTF-8 (разделитель «;», если в числах десятичная запятая, иначе «,»); первая строка файла — заголовок таблицы с названием модели. Кнопка «Назад» закрывает окно, точки остаются.</source>
        <translation>Ctrl+C or &quot;Copy&quot; in the context menu copies the selected cells, columns separated by tabs, so that they paste into a spreadsheet. &quot;Copy all&quot; copies the whole table with its headers, &quot;Save as CSV...&quot; writes it to a CSV file in UTF-8 (separator &quot;;&quot; where numbers have a decimal comma, &quot;,&quot; otherwise); the first line of the file is the heading of the table, naming the model. The &quot;Back&quot; button closes the window; the points stay.</translation>
    </message>
    <message>
        <source>«Модель» — модель свойств, по которой рассчитан процесс (SRK или эталонное уравнение).</source>
        <translation>&quot;Model&quot;: the property model that computed the process (SRK or the reference equation).</translation>
    </message>
    <message>
        <source>L и Q — работа и тепло (знаки как в окне процессов), Sпр — производство энтропии, T0·Sпр — потеря эксергии, T0 — температура окружающей среды; «Модель» — модель свойств, по которой рассчитано устройство.</source>
        <translation>L and Q: work and heat (signs as in the process window), Sgen: entropy generated, T0·Sgen: exergy destroyed, T0: ambient temperature; &quot;Model&quot;: the property model that computed the device.</translation>
    </message>
    <message>
        <source>Газ выше температуры инверсии при дросселировании нагревается: водород, гелий и неон от 300 К жидкости не дают. Тогда выход равен 0 и окно говорит почему, называя наибольшую температуру инверсии газа по выбранной модели; такой газ нужно предварительно охладить ванной или детандером (цикл Клода). Ниже наибольшей температуры инверсии газ тоже может нагреваться, если высокое давление лежит выше кривой инверсии. Жидкости нет и тогда, когда холода не хватает на недорекуперацию ΔT и теплоприток.</source>
        <translation>A gas above its inversion temperature warms up when throttled: hydrogen, helium and neon give no liquid from 300 K. The yield is then 0 and the window says why, naming the gas&apos;s maximum inversion temperature by the chosen model; such a gas must be precooled, by a bath or by an expander (the Claude cycle). Below its maximum inversion temperature a gas may warm up too, when the high pressure lies above the inversion curve. No liquid forms either when the cold is not enough to cover the warm-end loss ΔT and the heat leak.</translation>
    </message>
    <message>
        <source>Рабочий файл (расширение .entrograf) хранит всю работу: вещество и модель свойств, пределы, шкалу и размерности, таблицу точек, окно идеальных процессов со всем введенным, таблицу результатов и линии процессов, окно реальных процессов с его таблицей и линиями, данные циклов ожижения. Линии диаграммы при открытии рассчитываются заново и получаются теми же.</source>
        <translation>A work file (extension .entrograf) keeps the whole work: substance and property model, limits, scale and units, the points table, the ideal-process window with everything typed, the results table and the process lines, the real-process window with its table and lines, and the data of the liquefaction cycles. The lines of the diagram are computed again on opening and come out the same.</translation>
    </message>
    <message>
        <source>&lt;code&gt;entrograf файл.entrograf&lt;/code&gt; открывает рабочий файл при запуске; &lt;code&gt;--lang ru&lt;/code&gt; или &lt;code&gt;--lang en&lt;/code&gt; выбирает язык. Диаграмма, устройство и цикл рассчитываются и без окон, по кубической модели или с &lt;code&gt;--model reference&lt;/code&gt; по эталонной; &lt;code&gt;entrograf --help&lt;/code&gt; перечисляет все возможности.</source>
        <translation>&lt;code&gt;entrograf file.entrograf&lt;/code&gt; opens a work file at start; &lt;code&gt;--lang ru&lt;/code&gt; or &lt;code&gt;--lang en&lt;/code&gt; chooses the language. The diagram, a device and a cycle can also be computed without windows, by the cubic model or, with &lt;code&gt;--model reference&lt;/code&gt;, by the reference one; &lt;code&gt;entrograf --help&lt;/code&gt; lists every option.</translation>
    </message>
    <message>
        <source>Все свойства веществ рассчитывает собственная библиотека программы по одной из двух моделей, выбранной в главном окне: кубическому уравнению состояния или эталонному уравнению вещества. Обе модели дают одни и те же величины в одних единицах и отказываются от состояний вне своих пределов с одними и теми же сообщениями. Энтальпия и энтропия каждого вещества отсчитываются от своих начал (энтропия — от идеального газа при 0,101325 МПа), одних и тех же в обеих моделях, поэтому с таблицами других источников сравнивают только разности, например Δi и Δs процесса.</source>
        <translation>All properties of the substances are computed by the program&apos;s own property library by one of two models, chosen in the main window: the cubic equation of state or the substance&apos;s reference equation. Both models give the same quantities in the same units and refuse states outside their ranges with the same messages. The enthalpy and entropy of each substance are counted from zero points of its own (the entropy from the ideal gas at 0.101325 MPa), the same in both models, so only differences, such as the Δi and Δs of a process, may be compared with tables from other sources.</translation>
    </message>
    <message>
        <source>Температура — от тройной точки (у гелия от 2,2 К) до верхней границы функций идеального газа: 1000 К для гелия, неона, аргона, диоксида углерода, метана и фреона 14, 700 К для водорода, 600 К для азота, кислорода и воздуха (выход устройств и диаграмма — до 700 К, теплоемкость cp0 там завышена на 5 %).</source>
        <translation>Temperature: from the triple point (from 2.2 K for helium) up to the upper limit of the ideal-gas functions: 1000 K for helium, neon, argon, carbon dioxide, methane and R14, 700 K for hydrogen, 600 K for nitrogen, oxygen and air (device outlets and the diagram up to 700 K, where cp0 is 5 % high).</translation>
    </message>
    <message>
        <source>Эталонное уравнение состояния задает приведенную энергию Гельмгольца α(δ, τ) = α⁰ + αʳ, где δ = ρ/ρкр, τ = Tкр/T: часть идеального газа α⁰ и остаточную часть αʳ из степенных, экспоненциальных и гауссовых членов (у диоксида углерода еще и неаналитических членов у критической точки). Давление, энтальпия, энтропия, теплоемкости и скорость звука — производные α по δ и τ. Коэффициенты каждого вещества взяты из его публикации (см. «О программе»).</source>
        <translation>A reference equation of state gives the reduced Helmholtz energy α(δ, τ) = α⁰ + αʳ, where δ = ρ/ρc and τ = Tc/T: the ideal-gas part α⁰ and the residual part αʳ made of power, exponential and Gaussian terms (for carbon dioxide also non-analytic terms near the critical point). Pressure, enthalpy, entropy, heat capacities and the speed of sound are derivatives of α in δ and τ. The coefficients of each substance come from its publication (see &quot;About&quot;).</translation>
    </message>
    <message>
        <source>Линия насыщения находится по самому уравнению — из равенства давлений и энергий Гиббса фаз — и кончается в критической точке уравнения. Воздух описан как псевдочистое вещество: давления начала и конца кипения дают опубликованные вспомогательные уравнения. Линии затвердевания — уравнения публикаций; у фреона 14 — линия кубической модели, у нормального водорода — линия параводорода, сдвинутая к его тройной точке.</source>
        <translation>The saturation line comes from the equation itself, from equal pressures and Gibbs energies of the phases, and ends at the equation&apos;s own critical point. Air is described as a pseudo-pure fluid: its bubble and dew pressures come from the published ancillary equations. The melting lines are those of the publications; R14 takes the cubic model&apos;s line, normal hydrogen the para-hydrogen line moved to its own triple point.</translation>
    </message>
    <message>
        <source>Начала энтальпии и энтропии — те же, что у кубической модели (идеальный газ при 298,15 К и 0,101325 МПа), поэтому величины двух моделей можно сравнивать; только энтропия гелия у кубической модели на R = 2,077 кДж/(кг·К) ниже.</source>
        <translation>The zero points of enthalpy and entropy are those of the cubic model (the ideal gas at 298.15 K and 0.101325 MPa), so the values of the two models can be compared; only helium&apos;s entropy by the cubic model is R = 2.077 kJ/(kg·K) lower.</translation>
    </message>
    <message>
        <source>Температура — от тройной точки уравнения (у гелия от λ-точки 2,1768 К) до 1000 К или до предела самого уравнения: неон 725 К, метан 625 К, фреон 14 623 К.</source>
        <translation>Temperature: from the equation&apos;s triple point (from the λ point, 2.1768 K, for helium) up to 1000 K or the equation&apos;s own limit: neon 725 K, methane 625 K, R14 623 K.</translation>
    </message>
    <message>
        <source>Давление — до 100 МПа, у кислорода до 80 МПа, у фреона 14 до 51 МПа (изобары диаграммы — до 50 МПа); наименьшее давление 0,000001 МПа.</source>
        <translation>Pressure: up to 100 MPa, for oxygen up to 80 MPa, for R14 up to 51 MPa (the diagram&apos;s isobars up to 50 MPa); the lowest pressure is 0.000001 MPa.</translation>
    </message>
    <message>
        <source>Плотность — не выше плотности жидкости в тройной точке при наибольшем давлении уравнения.</source>
        <translation>Density: at most that of the liquid at the triple-point temperature and the equation&apos;s highest pressure.</translation>
    </message>
    <message>
        <source>Эталонные уравнения воспроизводят измерения в пределах их погрешности (плотность — порядка 0,01–0,1 %, теплоемкость и скорость звука — порядка 1 %), по ним составлены справочные таблицы: нормальная температура кипения азота 77,355 К, аргона 87,302 К, кислорода 90,188 К, гелия 4,2238 К. Они точнее кубического уравнения прежде всего в жидкости и у критической точки; расчет по ним медленнее.</source>
        <translation>The reference equations reproduce the measurements within their uncertainty (density about 0.01–0.1 %, heat capacity and speed of sound about 1 %), and the reference tables are made from them: the normal boiling point of nitrogen is 77.355 K, of argon 87.302 K, of oxygen 90.188 K, of helium 4.2238 K. They are more accurate than the cubic equation above all in the liquid and near the critical point; computing with them is slower.</translation>
    </message>
    <message>
        <source>Гелий: D. O. Ortiz-Vega, K. R. Hall, J. C. Holste, E. W. Lemmon et al., уравнение гелия-4 (2019), J. Phys. Chem. Ref. Data.</source>
        <translation>Helium: D. O. Ortiz-Vega, K. R. Hall, J. C. Holste, E. W. Lemmon et al., equation of helium-4 (2019), J. Phys. Chem. Ref. Data.</translation>
    </message>
    <message>
        <source>Нормальный водород и параводород: J. W. Leachman, R. T. Jacobsen, S. G. Penoncello, E. W. Lemmon, J. Phys. Chem. Ref. Data 38, 721 (2009).</source>
        <translation>Normal hydrogen and para-hydrogen: J. W. Leachman, R. T. Jacobsen, S. G. Penoncello, E. W. Lemmon, J. Phys. Chem. Ref. Data 38, 721 (2009).</translation>
    </message>
    <message>
        <source>Неон: M. Thol, M. Fenkl, E. W. Lemmon, уравнение неона (2019).</source>
        <translation>Neon: M. Thol, M. Fenkl, E. W. Lemmon, equation of neon (2019).</translation>
    </message>
    <message>
        <source>Азот: R. Span, E. W. Lemmon, R. T. Jacobsen, W. Wagner, A. Yokozeki, J. Phys. Chem. Ref. Data 29, 1361 (2000).</source>
        <translation>Nitrogen: R. Span, E. W. Lemmon, R. T. Jacobsen, W. Wagner, A. Yokozeki, J. Phys. Chem. Ref. Data 29, 1361 (2000).</translation>
    </message>
    <message>
        <source>Аргон: Ch. Tegeler, R. Span, W. Wagner, J. Phys. Chem. Ref. Data 28, 779 (1999).</source>
        <translation>Argon: Ch. Tegeler, R. Span, W. Wagner, J. Phys. Chem. Ref. Data 28, 779 (1999).</translation>
    </message>
    <message>
        <source>Кислород: R. Schmidt, W. Wagner, Fluid Phase Equilib. 19, 175 (1985); R. B. Stewart, R. T. Jacobsen, W. Wagner, J. Phys. Chem. Ref. Data 20, 917 (1991).</source>
        <translation>Oxygen: R. Schmidt, W. Wagner, Fluid Phase Equilib. 19, 175 (1985); R. B. Stewart, R. T. Jacobsen, W. Wagner, J. Phys. Chem. Ref. Data 20, 917 (1991).</translation>
    </message>
    <message>
        <source>Диоксид углерода: R. Span, W. Wagner, J. Phys. Chem. Ref. Data 25, 1509 (1996).</source>
        <translation>Carbon dioxide: R. Span, W. Wagner, J. Phys. Chem. Ref. Data 25, 1509 (1996).</translation>
    </message>
    <message>
        <source>Метан: U. Setzmann, W. Wagner, J. Phys. Chem. Ref. Data 20, 1061 (1991).</source>
        <translation>Methane: U. Setzmann, W. Wagner, J. Phys. Chem. Ref. Data 20, 1061 (1991).</translation>
    </message>
    <message>
        <source>Фреон 14: B. Platzer, A. Polt, G. Maurer, Thermophysical Properties of Refrigerants (1990).</source>
        <translation>R14: B. Platzer, A. Polt, G. Maurer, Thermophysical Properties of Refrigerants (1990).</translation>
    </message>
    <message>
        <source>Воздух (псевдочистое вещество): E. W. Lemmon, R. T. Jacobsen, S. G. Penoncello, D. G. Friend, J. Phys. Chem. Ref. Data 29, 331 (2000).</source>
        <translation>Air (a pseudo-pure fluid): E. W. Lemmon, R. T. Jacobsen, S. G. Penoncello, D. G. Friend, J. Phys. Chem. Ref. Data 29, 331 (2000).</translation>
    </message>
    <message>
        <source>Линии затвердевания: Span и др. (азот), Tegeler и др. (аргон), Span и Wagner (диоксид углерода), Lemmon и др. (воздух), Abramson (метан), Younglove (кислород, параводород), Datchi, Loubeyre и LeToullec (гелий), уравнение неона. Опубликованные коэффициенты, критические и тройные точки, молярные массы и пределы собраны в файлы данных программы.</source>
        <translation>Melting lines: Span et al. (nitrogen), Tegeler et al. (argon), Span and Wagner (carbon dioxide), Lemmon et al. (air), Abramson (methane), Younglove (oxygen, para-hydrogen), Datchi, Loubeyre and LeToullec (helium), the neon equation&apos;s own. The published coefficients, critical and triple points, molar masses and limits are kept in the program&apos;s data files.</translation>
    </message>
    <message>
        <source>Эталонные уравнения состояния</source>
        <translation>Reference equations of state</translation>
    </message>
    <message>
        <source>Окно показывает TS диаграмму выбранного вещества: по горизонтали удельная энтропия s, по вертикали температура T, К, в логарифмической или линейной шкале. Пределы температуры задаются в главном окне, пределы энтропии программа находит по линиям диаграммы. Та же работа видна и на lg p–h и h–s диаграммах (см. ниже «Виды диаграммы»).</source>
        <translation>The window shows the TS diagram of the chosen substance: specific entropy s along the horizontal axis, temperature T, K, along the vertical one, on a logarithmic or linear scale. The temperature limits are set in the main window; the entropy range is found by the program from the lines of the diagram. The same work is also shown on the lg p–h and h–s diagrams (see “Diagram kinds” below).</translation>
    </message>
    <message>
        <source>Слева вверху показаны две величины под курсором мыши (на TS диаграмме температура T и энтропия S, на lg p–h давление P и энтальпия i, на h–s энтальпия i и энтропия S), в желтых полях — остальные величины этого состояния из T, P, d, i, S и изобарной теплоемкости Cp. Под куполом изобарная теплоемкость бесконечна, и вместо нее показан знак ∞. На TS диаграмме ниже графика курсор показывает Tmin, выше — Tmax. Где состояния нет (левее линии затвердевания, выше наибольшего давления, вне пределов расчета модели), поля говорят «вне области расчета» и называют причину.</source>
        <translation>The top left shows the two quantities under the mouse cursor (temperature T and entropy S on the TS diagram, pressure P and enthalpy i on lg p–h, enthalpy i and entropy S on h–s); the yellow fields show the other quantities of that state among T, P, d, i, S and the isobaric heat capacity Cp. Under the dome the isobaric heat capacity is infinite, and ∞ is shown in its place. On the TS diagram the cursor reads Tmin below the plot and Tmax above it. Where there is no state (left of the solidification line, above the highest pressure, beyond the model&apos;s limits), the fields say “outside the computed region” and give the reason.</translation>
    </message>
    <message>
        <source>Рядом с каждой величиной показано ее значение по другой модели свойств при тех же T и P и разность в процентах, например «эталонное УС: 19,479 (+0,08 %)». Под куполом T и P состояния не задают, и сравнения нет.</source>
        <translation>Beside each quantity its value by the other property model at the same T and P is shown with the difference in per cent, for example “reference EOS: 19.479 (+0.08 %)”. Under the dome T and P do not fix the state, and there is no comparison.</translation>
    </message>
    <message>
        <source>«Копировать диаграмму» (Ctrl+C) кладет картинку в буфер обмена, откуда ее вставляют в отчет. «Легенда» показывает на диаграмме, что означает каждый цвет и вид линии. Точки, снятые щелчком, пронумерованы на диаграмме так же, как в таблице точек. Записывается, копируется и печатается та часть диаграммы, которая видна в окне.</source>
        <translation>“Copy diagram” (Ctrl+C) puts the picture on the clipboard, to be pasted into a report. “Legend” shows on the diagram what each colour and line style means. The points picked by a click are numbered on the diagram as in the points table. What is saved, copied and printed is the part of the diagram shown in the window.</translation>
    </message>
    <message>
        <source>Виды диаграммы</source>
        <translation>Diagram kinds</translation>
    </message>
    <message>
        <source>Список рядом с кнопкой «Назад» (или Ctrl+1, Ctrl+2, Ctrl+3) выбирает вид диаграммы: «T–s», «lg p–h» или «h–s». Вид хранится в рабочем файле; точки, линии процессов, реальные процессы и цикл ожижения рисуются на каждом виде так же, как на TS диаграмме, отсчет и щелчок работают так же.</source>
        <translation>The list beside the “Back” button (or Ctrl+1, Ctrl+2, Ctrl+3) chooses the kind of diagram: “T–s”, “lg p–h” or “h–s”. The kind is kept in the work file; points, process lines, real processes and the liquefaction cycle are drawn on every kind as on the TS diagram, and the readout and clicks work the same way.</translation>
    </message>
    <message>
        <source>lg p–h: по горизонтали энтальпия i, по вертикали давление P, МПа, в логарифмической шкале. Изотермы (сине-зеленые), изоэнтропы (коричневые, штриховые) и изохоры (оливковые, пунктирные) с круглыми значениями, линии степени сухости 10–90 % под куполом (синие, пунктирные), линия затвердевания. На этой диаграмме дросселирование — вертикальный отрезок, теплообмен при постоянном давлении — горизонтальный.</source>
        <translation>lg p–h: enthalpy i across, pressure P, MPa, up on a logarithmic scale. Isotherms (teal), isentropes (brown, dashed) and isochores (olive, dotted) at round values, lines of dryness 10–90 % under the dome (blue, dotted), the solidification line. On this diagram throttling is a vertical segment and heat exchange at constant pressure a horizontal one.</translation>
    </message>
    <message>
        <source>h–s: по горизонтали энтропия S, по вертикали энтальпия i. Изобары TS диаграммы, изотермы, линии степени сухости, линия затвердевания. Работа обратимого адиабатного расширения или сжатия — вертикальный отрезок, дросселирование — горизонтальный.</source>
        <translation>h–s: entropy S across, enthalpy i up. The isobars of the TS diagram, isotherms, lines of dryness, the solidification line. Reversible adiabatic expansion or compression is a vertical segment, throttling a horizontal one.</translation>
    </message>
    <message>
        <source>Каждая линия подписана своим значением в стиле TS диаграммы. В заголовке окна названы вид диаграммы, вещество и модель.</source>
        <translation>Every line carries its value in the style of the TS diagram. The window title names the kind of diagram, the substance and the model.</translation>
    </message>
    <message>
        <source>Увеличение и сдвиг</source>
        <translation>Zoom and pan</translation>
    </message>
    <message>
        <source>Колесо мыши увеличивает и уменьшает диаграмму вокруг курсора: точка под курсором остается на месте. Прямоугольник, обведенный левой кнопкой, увеличивается на все окно (простой щелчок остается щелчком). Средняя кнопка или левая с клавишей Shift сдвигает видимую часть. Двойной щелчок или клавиша Home («Вся диаграмма») показывает диаграмму целиком. Пока диаграмма увеличена, окно пишет «Увеличено ×N», линии рассчитываются заново для видимой части, а оси подписаны круглыми числами. Другие пределы или другое вещество показывают диаграмму целиком.</source>
        <translation>The mouse wheel zooms the diagram in and out about the cursor: the point under the cursor stays where it is. A rectangle drawn with the left button is zoomed to fill the window (a plain click stays a click). The middle button, or the left one with Shift, moves the visible part. A double click or the Home key (“Whole diagram”) shows the whole diagram again. While the diagram is zoomed, the window says “Zoomed ×N”, the lines are computed again for the visible part and the axes carry round numbers. Other limits or another substance show the whole diagram.</translation>
    </message>
    <message>
        <source>Кривая инверсии и другая модель</source>
        <translation>Inversion curve and the other model</translation>
    </message>
    <message>
        <source>«Кривая инверсии» рисует на каждом виде диаграммы (малиновой линией) состояния, где коэффициент Джоуля–Томсона (∂T/∂P)i меняет знак: от насыщенной жидкости до наибольшей температуры инверсии при нулевом давлении. Дросселирование из состояния внутри кривой охлаждает газ, снаружи — нагревает; поэтому водород и гелий перед циклом Линде–Хэмпсона нужно предварительно охладить.</source>
        <translation>“Inversion curve” draws on every kind of diagram (a magenta line) the states where the Joule–Thomson coefficient (∂T/∂P)i changes sign: from the saturated liquid up to the highest inversion temperature at zero pressure. Throttling from a state inside the curve cools the gas, from outside it warms it; that is why hydrogen and helium must be precooled before a Linde–Hampson cycle.</translation>
    </message>
    <message>
        <source>«Линии другой модели» рисует тонкими серыми штрихами пограничную кривую и изобары той модели свойств, которая не выбрана в главном окне: видно, где две модели расходятся.</source>
        <translation>“Other model&apos;s lines” draws, as thin grey dashes, the saturation curve and isobars of the property model not chosen in the main window: it shows where the two models part.</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>В окно ничего не введено<byte value="xd"/>Будет принято нулевое значение!</source>
        <translation>Nothing was entered in the field.<byte value="xd"/>Zero will be used.</translation>
    </message>
    <message>
        <source>&quot; %1&quot; в окне не является числом <byte value="xd"/>Оно содержит символы или буквы!</source>
        <translation>&quot;%1&quot; in the field is not a number.<byte value="xd"/>It contains symbols or letters.</translation>
    </message>
</context>
<context>
    <name>Keeper</name>
    <message>
        <source>Рабочие файлы (*.%1);;Все файлы (*)</source>
        <translation>Work files (*.%1);;All files (*)</translation>
    </message>
    <message>
        <source>Работа не сохранена !
Сохранить ее в файле?</source>
        <translation>The work has not been saved.
Save it to a file?</translation>
    </message>
    <message>
        <source>Программа не была завершена нормально !
Восстановить несохраненную работу?</source>
        <translation>The program did not close normally.
Restore the unsaved work?</translation>
    </message>
    <message>
        <source>Открыть работу</source>
        <translation>Open work</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>Сохранить работу</source>
        <translation>Save work</translation>
    </message>
    <message>
        <source>Автосохранение не записано !
</source>
        <translation>The autosave was not written.
</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--lang: ru или en</source>
        <translation>--lang: ru or en</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Линия затвердевания</source>
        <translation>Solidification line</translation>
    </message>
    <message>
        <source>Начало и конец процесса</source>
        <translation>Start and end of a process</translation>
    </message>
    <message>
        <source>Идеальный процесс</source>
        <translation>Ideal process</translation>
    </message>
    <message>
        <source>Реальный процесс: от входа к выходу</source>
        <translation>Real process: inlet to outlet</translation>
    </message>
    <message>
        <source>Его идеальный процесс</source>
        <translation>Its ideal process</translation>
    </message>
    <message>
        <source>Цикл ожижения: теплообмен при P = const</source>
        <translation>Liquefaction cycle: heat exchange at P = const</translation>
    </message>
    <message>
        <source>Цикл ожижения: сжатие, дросселирование, расширение</source>
        <translation>Liquefaction cycle: compression, throttling, expansion</translation>
    </message>
    <message>
        <source>Состояния цикла</source>
        <translation>Cycle states</translation>
    </message>
    <message>
        <source>Точки с диаграммы (номер строки таблицы)</source>
        <translation>Picked points (their row in the points table)</translation>
    </message>
    <message>
        <source>Пограничная кривая жидкости</source>
        <translation>Saturated liquid line</translation>
    </message>
    <message>
        <source>Пограничная кривая пара</source>
        <translation>Saturated vapour line</translation>
    </message>
    <message>
        <source>Изобары %1 МПа</source>
        <translation>Isobars %1 MPa</translation>
    </message>
    <message>
        <source>Изоэнтальпа %1 %2</source>
        <translation>Isenthalp %1 %2</translation>
    </message>
    <message>
        <source>Изоэнтальпы от %1 до %2 %3</source>
        <translation>Isenthalps %1 to %2 %3</translation>
    </message>
    <message>
        <source>Изотерма %1 %2</source>
        <translation>Isotherm %1 %2</translation>
    </message>
    <message>
        <source>Изотермы от %1 до %2 %3</source>
        <translation>Isotherms from %1 to %2 %3</translation>
    </message>
    <message>
        <source>Изоэнтропа %1 %2</source>
        <translation>Isentrope %1 %2</translation>
    </message>
    <message>
        <source>Изоэнтропы от %1 до %2 %3</source>
        <translation>Isentropes from %1 to %2 %3</translation>
    </message>
    <message>
        <source>Изохора %1 %2</source>
        <translation>Isochore %1 %2</translation>
    </message>
    <message>
        <source>Изохоры от %1 до %2 %3</source>
        <translation>Isochores from %1 to %2 %3</translation>
    </message>
    <message>
        <source>Степень сухости %1 %2</source>
        <translation>Dryness %1 %2</translation>
    </message>
    <message>
        <source>Степень сухости от %1 до %2 %3</source>
        <translation>Dryness from %1 to %2 %3</translation>
    </message>
    <message>
        <source>Кривая инверсии: дросселирование внутри нее охлаждает газ</source>
        <translation>Inversion curve: throttling inside it cools the gas</translation>
    </message>
    <message>
        <source>Другая модель (%1): пограничная кривая и изобары</source>
        <translation>Other model (%1): saturation curve and isobars</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source> Используемая в программе </source>
        <translation> In the property routine </translation>
    </message>
    <message>
        <source> Используемое в программе </source>
        <translation> In the property routine </translation>
    </message>
    <message>
        <source> выше критической для данного вещества!</source>
        <translation> is above the critical temperature of this substance.</translation>
    </message>
    <message>
        <source> ниже тройной точки для данного вещества!</source>
        <translation> is below the triple point of this substance.</translation>
    </message>
    <message>
        <source> выше критического для данного вещества!</source>
        <translation> is above the critical pressure of this substance.</translation>
    </message>
    <message>
        <source> выше предельного для данного вещества!</source>
        <translation> is above the limit for this substance.</translation>
    </message>
    <message>
        <source> выше предельной для данного вещества!</source>
        <translation> is above the limit for this substance.</translation>
    </message>
    <message>
        <source> не больше нуля!</source>
        <translation> is not above zero.</translation>
    </message>
    <message>
        <source> температура </source>
        <translation>, the temperature </translation>
    </message>
    <message>
        <source> давление </source>
        <translation>, the pressure </translation>
    </message>
    <message>
        <source> плотность </source>
        <translation>, the density </translation>
    </message>
    <message>
        <source>Значение h менше h затвердевания !</source>
        <translation>The enthalpy h is below its value at solidification.</translation>
    </message>
    <message>
        <source>Значение S менше S затвердевания !</source>
        <translation>The entropy S is below its value at solidification.</translation>
    </message>
    <message>
        <source>Значение h больше h при T=1000 K !</source>
        <translation>The enthalpy h is above its value at T = 1000 K.</translation>
    </message>
    <message>
        <source>Значение S больше S при T=1000 K !</source>
        <translation>The entropy S is above its value at T = 1000 K.</translation>
    </message>
    <message>
        <source>Задано P &gt; Pkp при расчете свойств в насышении !</source>
        <translation>Saturation properties were asked for above the critical pressure.</translation>
    </message>
    <message>
        <source>Задано T &gt; Tkp при расчете свойств в насышении !</source>
        <translation>Saturation properties were asked for above the critical temperature.</translation>
    </message>
    <message>
        <source>  Температура Т=</source>
        <translation>  Temperature T=</translation>
    </message>
    <message>
        <source> ниже Т тройной точки !</source>
        <translation> is below the triple-point temperature.</translation>
    </message>
    <message>
        <source>Название вещества указано неправильно!</source>
        <translation>Unknown substance name.</translation>
    </message>
    <message>
        <source>Значение h больше h на изоэнтропе при наибольшем давлении !</source>
        <translation>The enthalpy h is above that of the isentrope at the highest pressure.</translation>
    </message>
    <message>
        <source>Значение h меньше h на изоэнтропе при наименьшем давлении !</source>
        <translation>The enthalpy h is below that of the isentrope at the lowest pressure.</translation>
    </message>
    <message>
        <source>Значения h и S не являются числами !</source>
        <translation>The values of h and S are not numbers.</translation>
    </message>
    <message>
        <source>Значение h больше h при T=</source>
        <translation>The enthalpy h is above its value at T = </translation>
    </message>
    <message>
        <source>Значение S больше S при T=</source>
        <translation>The entropy S is above its value at T = </translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>T мин &lt; Т затвердевания !
T мин будет скорректировано !</source>
        <translation>T min is below the solidification temperature.
T min will be corrected.</translation>
    </message>
    <message>
        <source>T мин &gt;= T макс !
T мин не будет изменено !</source>
        <translation>T min is not below T max.
T min stays as it was.</translation>
    </message>
    <message>
        <source>Зачем Вам такая высокая температура?</source>
        <translation>Why do you need such a high temperature? The limit is 500 K.</translation>
    </message>
    <message>
        <source>T макс &lt; Т затвердевания !
T макс не будет изменено !</source>
        <translation>T max is below the solidification temperature.
T max stays as it was.</translation>
    </message>
    <message>
        <source>T макс &lt;= T мин !
T макс не будет изменено !</source>
        <translation>T max is not above T min.
T max stays as it was.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Models</name>
    <message>
        <source>Эталонное уравнение состояния</source>
        <translation>Reference equation of state</translation>
    </message>
    <message>
        <source>Кубическое уравнение (SRK)</source>
        <translation>Cubic equation (SRK)</translation>
    </message>
    <message>
        <source>эталонное</source>
        <translation>reference</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source> Вещество</source>
        <translation> Substance</translation>
    </message>
    <message>
        <source> Ср, </source>
        <translation> Cp, </translation>
    </message>
    <message>
        <source> Модель</source>
        <translation> Model</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source> Температура</source>
        <translation> Temperature</translation>
    </message>
    <message>
        <source> Давление</source>
        <translation> Pressure</translation>
    </message>
    <message>
        <source> Плотность</source>
        <translation> Density</translation>
    </message>
    <message>
        <source> Уд. объем</source>
        <translation> Specific volume</translation>
    </message>
    <message>
        <source> Энтальпия</source>
        <translation> Enthalpy</translation>
    </message>
    <message>
        <source> Энтропия</source>
        <translation> Entropy</translation>
    </message>
    <message>
        <source> Степень сухости</source>
        <translation> Dryness</translation>
    </message>
    <message>
        <source>Изотерма ( Т = const )</source>
        <translation>Isotherm ( T = const )</translation>
    </message>
    <message>
        <source>Изобара ( P = const )</source>
        <translation>Isobar ( P = const )</translation>
    </message>
    <message>
        <source>Изохора ( v = const )</source>
        <translation>Isochore ( v = const )</translation>
    </message>
    <message>
        <source>Изоэнтальпа ( i = const )</source>
        <translation>Isenthalp ( i = const )</translation>
    </message>
    <message>
        <source>Изоэнтропа ( S = const )</source>
        <translation>Isentrope ( S = const )</translation>
    </message>
    <message>
        <source>Принятое Вами сочетание параметров
не разрешено в данной программе.</source>
        <translation>The combination of parameters you chose
is not allowed in this program.</translation>
    </message>
    <message>
        <source>В программе число линий процессов
ограничено 10-тью линиями</source>
        <translation>The program draws
at most 10 process lines.</translation>
    </message>
    <message>
        <source>Параметры начальной и конечной точек
совпадают!</source>
        <translation>The start and end points
coincide.</translation>
    </message>
    <message>
        <source>Рабочее вещество не выбрано !
Выберите его в главном окне.</source>
        <translation>No working substance is chosen.
Choose one in the main window.</translation>
    </message>
    <message>
        <source>Процесс не рассчитан !
В таблицу ничего не записано.</source>
        <translation>The process has not been computed.
Nothing was written to the table.</translation>
    </message>
    <message>
        <source>Не введено значение параметра &quot;%1&quot;
начальной точки процесса !</source>
        <translation>No value entered for &quot;%1&quot;
at the start point of the process.</translation>
    </message>
    <message>
        <source>Не введено значение параметра &quot;%1&quot;
конечной точки процесса !</source>
        <translation>No value entered for &quot;%1&quot;
at the end point of the process.</translation>
    </message>
    <message>
        <source>Этот процесс уже записан в таблицу !
Второй раз он не записывается.</source>
        <translation>This process is already in the table.
It is not written a second time.</translation>
    </message>
</context>
<context>
    <name>Ranges</name>
    <message>
        <source>Температура должна быть</source>
        <translation>The temperature must be</translation>
    </message>
    <message>
        <source>Давление должно быть</source>
        <translation>The pressure must be</translation>
    </message>
    <message>
        <source>Плотность должна быть</source>
        <translation>The density must be</translation>
    </message>
    <message>
        <source>Удельный объем должен быть</source>
        <translation>The specific volume must be</translation>
    </message>
    <message>
        <source>Энтальпия должна быть</source>
        <translation>The enthalpy must be</translation>
    </message>
    <message>
        <source>Энтропия должна быть</source>
        <translation>The entropy must be</translation>
    </message>
    <message>
        <source>Степень сухости должна быть</source>
        <translation>The dryness must be</translation>
    </message>
    <message>
        <source>%1 в пределах
от %2 до %3 %4 !</source>
        <translation>%1 between
%2 and %3 %4.</translation>
    </message>
    <message>
        <source>%1 больше %2 и меньше %3 %4 !</source>
        <translation>%1 above %2 and below %3 %4.</translation>
    </message>
    <message>
        <source>%1 больше %2 и не больше %3 %4 !</source>
        <translation>%1 above %2 and at most %3 %4.</translation>
    </message>
    <message>
        <source>%1 не меньше %2 и меньше %3 %4 !</source>
        <translation>%1 at least %2 and below %3 %4.</translation>
    </message>
    <message>
        <source>температура должна быть ниже критической (Ткр = %1 K).</source>
        <translation>the temperature must be below the critical one (Tcr = %1 K).</translation>
    </message>
    <message>
        <source>температура должна быть не ниже температуры тройной точки (Ттр = %1 K).</source>
        <translation>the temperature must not be below the triple point (Ttr = %1 K).</translation>
    </message>
    <message>
        <source>давление должно быть ниже критического (Ркр = %1 МПа).</source>
        <translation>the pressure must be below the critical one (Pcr = %1 MPa).</translation>
    </message>
    <message>
        <source>ниже давления тройной точки (Ртр = %1 МПа) насыщенного состояния нет.</source>
        <translation>below the triple-point pressure (Ptr = %1 MPa) there is no saturated state.</translation>
    </message>
    <message>
        <source>температура выше %1 K !</source>
        <translation>the temperature is above %1 K.</translation>
    </message>
    <message>
        <source>температура ниже температуры затвердевания !</source>
        <translation>the temperature is below the solidification temperature.</translation>
    </message>
    <message>
        <source>давление выше %1 МПа !</source>
        <translation>the pressure is above %1 MPa.</translation>
    </message>
    <message>
        <source>давление ниже %1 МПа !</source>
        <translation>the pressure is below %1 MPa.</translation>
    </message>
    <message>
        <source>плотность не меньше %1 !</source>
        <translation>the density is at or above %1.</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>The state</translation>
    </message>
    <message>
        <source>Степень сухости задается только для влажного пара:
%1</source>
        <translation>A dryness fraction applies to wet vapour only:
%1</translation>
    </message>
    <message>
        <source>%1 вне пределов расчета:
%2</source>
        <translation>%1 is outside the range the program computes:
%2</translation>
    </message>
    <message>
        <source>Температура, давление, плотность и удельный объем
должны быть больше нуля.</source>
        <translation>Temperature, pressure, density and specific volume
must be above zero.</translation>
    </message>
    <message>
        <source>Состояния с заданными энтальпией и энтропией
в области расчета нет.</source>
        <translation>No state with the given enthalpy and entropy
lies in the range the program computes.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>P=%4.3f МПа</source>
        <translation>P=%4.3f MPa</translation>
    </message>
    <message>
        <source>вне области расчета</source>
        <translation>outside the computed region</translation>
    </message>
    <message>
        <source>левее линии затвердевания</source>
        <translation>left of the solidification line</translation>
    </message>
    <message>
        <source>P &gt; %1 МПа</source>
        <translation>P &gt; %1 MPa</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source> Вещество</source>
        <translation> Substance</translation>
    </message>
    <message>
        <source> Процесс</source>
        <translation> Process</translation>
    </message>
    <message>
        <source> Точки</source>
        <translation> Point</translation>
    </message>
    <message>
        <source>Начальная</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Конечная</source>
        <translation>End</translation>
    </message>
    <message>
        <source> Модель</source>
        <translation> Model</translation>
    </message>
</context>
<context>
    <name>State</name>
    <message>
        <source>свойства состояния:
  entrograf --state ВЕЩЕСТВО [--model srk|reference] --t T --p P
  пары, как в окне процессов: --t и --p, --t и --x, --p и --h, --p и --s, --p и --x, --d и --t, --h и --s
  (T в K, P в МПа, d в кг/м3, h в кДж/кг, s в кДж/(кг.К), x - степень сухости в %)
  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</source>
        <translation>properties of a state:
  entrograf --state SUBSTANCE [--model srk|reference] --t T --p P
  pairs as in the process window: --t and --p, --t and --x, --p and --h, --p and --s, --p and --x, --d and --t, --h and --s
  (T in K, P in MPa, d in kg/m3, h in kJ/kg, s in kJ/(kg K), x the dryness in %)
  SUBSTANCE: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</translation>
    </message>
    <message>
        <source>свойства на линии насыщения:
  entrograf --saturation ВЕЩЕСТВО [--model srk|reference] (--t T | --p P)
  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</source>
        <translation>properties on the saturation line:
  entrograf --saturation SUBSTANCE [--model srk|reference] (--t T | --p P)
  SUBSTANCE: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</translation>
    </message>
    <message>
        <source>не указано вещество
</source>
        <translation>no substance given
</translation>
    </message>
    <message>
        <source>состояние не рассчитывается !</source>
        <translation>the state cannot be computed</translation>
    </message>
    <message>
        <source>состояние задается двумя параметрами
</source>
        <translation>a state is given by two parameters
</translation>
    </message>
    <message>
        <source>линия насыщения задается либо температурой --t, либо давлением --p</source>
        <translation>the saturation line is given either by a temperature --t or by a pressure --p</translation>
    </message>
    <message>
        <source>насыщенное состояние не рассчитывается !</source>
        <translation>the saturated state cannot be computed</translation>
    </message>
    <message>
        <source>Насыщенного состояния нет:
%1</source>
        <translation>No saturated state:
%1</translation>
    </message>
    <message>
        <source>%1: состояние задается одной парой параметров</source>
        <translation>%1: a state is given by one pair of parameters</translation>
    </message>
    <message>
        <source> не относится к %1</source>
        <translation> does not apply to %1</translation>
    </message>
</context>
<context>
    <name>Substances</name>
    <message>
        <source>ГЕЛИЯ</source>
        <translation>HELIUM</translation>
    </message>
    <message>
        <source>НОРМАЛЬНОГО ВОДОРОДА</source>
        <translation>NORMAL HYDROGEN</translation>
    </message>
    <message>
        <source>ПАРАВОДОРОДА</source>
        <translation>PARAHYDROGEN</translation>
    </message>
    <message>
        <source>НЕОНА</source>
        <translation>NEON</translation>
    </message>
    <message>
        <source>АЗОТА</source>
        <translation>NITROGEN</translation>
    </message>
    <message>
        <source>АРГОНА</source>
        <translation>ARGON</translation>
    </message>
    <message>
        <source>КИСЛОРОДА</source>
        <translation>OXYGEN</translation>
    </message>
    <message>
        <source>ДИОКСИДА УГЛЕРОДА</source>
        <translation>CARBON DIOXIDE</translation>
    </message>
    <message>
        <source>МЕТАНА</source>
        <translation>METHANE</translation>
    </message>
    <message>
        <source>ФРЕОНА 14</source>
        <translation>R14</translation>
    </message>
    <message>
        <source>ВОЗДУХА</source>
        <translation>AIR</translation>
    </message>
    <message>
        <source>Гелий</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Нормальный водород</source>
        <translation>Normal hydrogen</translation>
    </message>
    <message>
        <source>Параводород</source>
        <translation>Parahydrogen</translation>
    </message>
    <message>
        <source>Неон</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Азот</source>
        <translation>Nitrogen</translation>
    </message>
    <message>
        <source>Аргон</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Кислород</source>
        <translation>Oxygen</translation>
    </message>
    <message>
        <source>Диоксид углерода</source>
        <translation>Carbon dioxide</translation>
    </message>
    <message>
        <source>Метан</source>
        <translation>Methane</translation>
    </message>
    <message>
        <source>Фреон 14</source>
        <translation>R14 (CF4)</translation>
    </message>
    <message>
        <source>Воздух</source>
        <translation>Air</translation>
    </message>
</context>
<context>
    <name>TCycles</name>
    <message>
        <source>Циклы ожижения</source>
        <translation>Liquefaction cycles</translation>
    </message>
    <message>
        <source>Данные цикла</source>
        <translation>Cycle data</translation>
    </message>
    <message>
        <source>Низкое давление</source>
        <translation>Low pressure</translation>
    </message>
    <message>
        <source>Высокое давление</source>
        <translation>High pressure</translation>
    </message>
    <message>
        <source>Температура окружающей среды и сжатия T1</source>
        <translation>Ambient and compression temperature T1</translation>
    </message>
    <message>
        <source>Изотермический КПД компрессора</source>
        <translation>Isothermal efficiency of the compressor</translation>
    </message>
    <message>
        <source>Разность температур на теплом конце</source>
        <translation>Temperature difference at the warm end</translation>
    </message>
    <message>
        <source>Теплоприток на 1 кг сжатого газа</source>
        <translation>Heat leak per kg of compressed gas</translation>
    </message>
    <message>
        <source>Температура предварительного охлаждения</source>
        <translation>Precooling temperature</translation>
    </message>
    <message>
        <source>Доля потока на детандер xe</source>
        <translation>Expander flow fraction xe</translation>
    </message>
    <message>
        <source>Температура на входе в детандер</source>
        <translation>Expander inlet temperature</translation>
    </message>
    <message>
        <source>Изоэнтропный КПД детандера</source>
        <translation>Isentropic efficiency of the expander</translation>
    </message>
    <message>
        <source>Цикл на TS диаграмме</source>
        <translation>Cycle on the TS diagram</translation>
    </message>
    <message>
        <source>Результаты цикла</source>
        <translation>Cycle results</translation>
    </message>
    <message>
        <source>Выход жидкости y</source>
        <translation>Liquid yield y</translation>
    </message>
    <message>
        <source>Работа сжатия</source>
        <translation>Compression work</translation>
    </message>
    <message>
        <source>Работа детандера</source>
        <translation>Expander work</translation>
    </message>
    <message>
        <source>Работа охлаждения ванны (обратимая)</source>
        <translation>Bath refrigeration work (reversible)</translation>
    </message>
    <message>
        <source>Затраченная работа W на 1 кг сжатого газа</source>
        <translation>Work input W per kg of compressed gas</translation>
    </message>
    <message>
        <source>Затраченная работа W/y на 1 кг жидкости</source>
        <translation>Work input W/y per kg of liquid</translation>
    </message>
    <message>
        <source>Минимальная работа ожижения Wi</source>
        <translation>Minimum work of liquefaction Wi</translation>
    </message>
    <message>
        <source>Степень совершенства Wi/(W/y)</source>
        <translation>Figure of merit Wi/(W/y)</translation>
    </message>
    <message>
        <source>Цикл ожижения</source>
        <translation>Liquefaction cycle</translation>
    </message>
    <message>
        <source>Потери эксергии</source>
        <translation>Exergy losses</translation>
    </message>
    <message>
        <source>Потеря эксергии T0·Sпр по элементам цикла</source>
        <translation>Exergy destroyed T0·Sgen per component of the cycle</translation>
    </message>
    <message>
        <source>Потеря эксергии</source>
        <translation>Exergy destroyed</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Сохранить в PNG...</source>
        <translation>Save as PNG...</translation>
    </message>
    <message>
        <source>Сохранить диаграмму потерь</source>
        <translation>Save the loss chart</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Цикл</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>МПа</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>Дж/моль сжатого газа</source>
        <translation>J/mol of compressed gas</translation>
    </message>
    <message>
        <source>кДж/кг сжатого газа</source>
        <translation>kJ/kg of compressed gas</translation>
    </message>
    <message>
        <source>Дж/моль жидкости</source>
        <translation>J/mol of liquid</translation>
    </message>
    <message>
        <source>кДж/кг жидкости</source>
        <translation>kJ/kg of liquid</translation>
    </message>
    <message>
        <source>моль/моль сжатого газа</source>
        <translation>mol/mol of compressed gas</translation>
    </message>
    <message>
        <source>кг/кг сжатого газа</source>
        <translation>kg/kg of compressed gas</translation>
    </message>
    <message>
        <source> N</source>
        <translation> N</translation>
    </message>
    <message>
        <source> Точка</source>
        <translation> Point</translation>
    </message>
    <message>
        <source> T, K</source>
        <translation> T, K</translation>
    </message>
    <message>
        <source> P, МПа</source>
        <translation> P, MPa</translation>
    </message>
    <message>
        <source> d, </source>
        <translation> d, </translation>
    </message>
    <message>
        <source> i, </source>
        <translation> i, </translation>
    </message>
    <message>
        <source> s, </source>
        <translation> s, </translation>
    </message>
    <message>
        <source> Ст. сухости, %</source>
        <translation> Dryness, %</translation>
    </message>
    <message>
        <source> Доля потока</source>
        <translation> Flow fraction</translation>
    </message>
    <message>
        <source> Элемент цикла</source>
        <translation> Component</translation>
    </message>
    <message>
        <source> T0·Sпр, </source>
        <translation> T0·Sgen, </translation>
    </message>
    <message>
        <source> Доля, %</source>
        <translation> Share, %</translation>
    </message>
    <message>
        <source>Рабочее вещество не выбрано !</source>
        <translation>No working substance is chosen.</translation>
    </message>
    <message>
        <source> Сумма = W/y - Wi</source>
        <translation> Total = W/y - Wi</translation>
    </message>
    <message>
        <source>Теплоприток на 1 моль сжатого газа</source>
        <translation>Heat leak per 1 mol of compressed gas</translation>
    </message>
    <message>
        <source>Затраченная работа W на 1 моль сжатого газа</source>
        <translation>Work spent W per 1 mol of compressed gas</translation>
    </message>
    <message>
        <source>Затраченная работа W/y на 1 моль жидкости</source>
        <translation>Work spent W/y per 1 mol of liquid</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source> Файл   </source>
        <translation> File   </translation>
    </message>
    <message>
        <source>  Точки   </source>
        <translation>  Points   </translation>
    </message>
    <message>
        <source>  Идеальн. процессы </source>
        <translation>  Ideal processes </translation>
    </message>
    <message>
        <source>  Реальн. процессы</source>
        <translation>  Real processes</translation>
    </message>
    <message>
        <source>  ТS диаграмма</source>
        <translation>  T-s diagram</translation>
    </message>
    <message>
        <source>  Выход</source>
        <translation>  Exit</translation>
    </message>
    <message>
        <source>Учебная программа</source>
        <translation>Teaching program</translation>
    </message>
    <message>
        <source>Выбор вешества</source>
        <translation>Substance</translation>
    </message>
    <message>
        <source>  Размерности выводимых величин </source>
        <translation>  Units of the values shown </translation>
    </message>
    <message>
        <source>Удельные [ кг/м3,   кДж/кг,    кДж/(кг.К) ]</source>
        <translation>Specific [ kg/m3,   kJ/kg,    kJ/(kg.K) ]</translation>
    </message>
    <message>
        <source>Мольные  [ моль/л, Дж/моль, Дж/(моль.К) ]</source>
        <translation>Molar  [ mol/l, J/mol, J/(mol.K) ]</translation>
    </message>
    <message>
        <source>Параметры TS диаграммы</source>
        <translation>T-s diagram settings</translation>
    </message>
    <message>
        <source>Пределы температуры</source>
        <translation>Temperature limits</translation>
    </message>
    <message>
        <source>   Шкала температур диаграммы </source>
        <translation>   Temperature scale of the diagram </translation>
    </message>
    <message>
        <source>Логарифмическая шкала</source>
        <translation>Logarithmic scale</translation>
    </message>
    <message>
        <source>Линейная шкала</source>
        <translation>Linear scale</translation>
    </message>
    <message>
        <source>Максимальная т-ра, К</source>
        <translation>Maximum temp., K</translation>
    </message>
    <message>
        <source>Минимальная т-ра, К </source>
        <translation>Minimum temp., K </translation>
    </message>
    <message>
        <source>Пересчет</source>
        <translation>Recompute</translation>
    </message>
    <message>
        <source>Выполнение вспомогательных операций</source>
        <translation>Auxiliary computations</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Недавние файлы</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Сохранить диаграмму...</source>
        <translation>Save diagram...</translation>
    </message>
    <message>
        <source>Сохранить точки в CSV...</source>
        <translation>Save points as CSV...</translation>
    </message>
    <message>
        <source>Сохранить процессы в CSV...</source>
        <translation>Save processes as CSV...</translation>
    </message>
    <message>
        <source>Диаграмма при этих условиях не рассчитывается !
Остаются прежние значения !</source>
        <translation>The diagram cannot be computed under these conditions.
The previous values are kept.</translation>
    </message>
    <message>
        <source>  Справка</source>
        <translation>  Help</translation>
    </message>
    <message>
        <source>Руководство</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>  Таблицы </source>
        <translation>  Tables </translation>
    </message>
    <message>
        <source>Результаты идеальных процессов</source>
        <translation>Ideal-process results</translation>
    </message>
    <message>
        <source>Результаты реальных процессов</source>
        <translation>Real-process results</translation>
    </message>
    <message>
        <source> Рабочее вещество - %1  [ %2 ] </source>
        <translation> Working substance: %1  [ %2 ] </translation>
    </message>
    <message>
        <source>  Модель свойств веществ </source>
        <translation>  Property model </translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Расчет идеальных термодинамических процессов</source>
        <translation>Ideal thermodynamic processes</translation>
    </message>
    <message>
        <source>Выбор процесса</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Параметры начальной точки процесса</source>
        <translation>Start point of the process</translation>
    </message>
    <message>
        <source>Предельные значения    мин              мах</source>
        <translation>Limits                      min              max</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Давление</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Плотность</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Энтальпия</source>
        <translation>Enthalpy</translation>
    </message>
    <message>
        <source>Энтропия</source>
        <translation>Entropy</translation>
    </message>
    <message>
        <source>Определяющий параметр конечной точки</source>
        <translation>Parameter that fixes the end point</translation>
    </message>
    <message>
        <source>Результаты  процесса</source>
        <translation>Results of the process</translation>
    </message>
    <message>
        <source>Выделившееся тепло</source>
        <translation>Heat given off</translation>
    </message>
    <message>
        <source>Совеошенная газом техническая работа</source>
        <translation>Technical work done by the gas</translation>
    </message>
    <message>
        <source>Изменение плотности</source>
        <translation>Change of density</translation>
    </message>
    <message>
        <source>Изменение энтальпии</source>
        <translation>Change of enthalpy</translation>
    </message>
    <message>
        <source>Изменение энтропии</source>
        <translation>Change of entropy</translation>
    </message>
    <message>
        <source>Вычислить</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>В таблицу</source>
        <translation>Add to table</translation>
    </message>
    <message>
        <source>TS диаграмма</source>
        <translation>T-s diagram</translation>
    </message>
    <message>
        <source>Конец =&gt; Начало</source>
        <translation>End =&gt; Start</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Таблица резульатов расчета идеальных процессов</source>
        <translation>Results of the ideal processes</translation>
    </message>
    <message>
        <source>Процессы</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Эаписать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Эакрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Удалить процесс</source>
        <translation>Delete process</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Реальные процессы</source>
        <translation>Real processes</translation>
    </message>
    <message>
        <source>Выбор устройства</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Параметры на входе</source>
        <translation>Inlet state</translation>
    </message>
    <message>
        <source>Предельные значения    мин              мах</source>
        <translation>Limits                      min              max</translation>
    </message>
    <message>
        <source>Данные устройства</source>
        <translation>Device data</translation>
    </message>
    <message>
        <source>Давление на выходе</source>
        <translation>Outlet pressure</translation>
    </message>
    <message>
        <source>МПа</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>Температура на выходе</source>
        <translation>Outlet temperature</translation>
    </message>
    <message>
        <source>Выделившееся тепло</source>
        <translation>Heat given off</translation>
    </message>
    <message>
        <source>Температура источника
(приемника) тепла</source>
        <translation>Temperature of the heat
source (sink)</translation>
    </message>
    <message>
        <source>Температура окружающей среды T0</source>
        <translation>Ambient temperature T0</translation>
    </message>
    <message>
        <source>Вход</source>
        <translation>Inlet</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Outlet</translation>
    </message>
    <message>
        <source>Идеальный выход</source>
        <translation>Ideal outlet</translation>
    </message>
    <message>
        <source>Результаты  процесса</source>
        <translation>Results of the process</translation>
    </message>
    <message>
        <source>Совеошенная газом техническая работа</source>
        <translation>Technical work done by the gas</translation>
    </message>
    <message>
        <source>Производство энтропии</source>
        <translation>Entropy generated</translation>
    </message>
    <message>
        <source>Потеря эксергии T0·Sпр</source>
        <translation>Exergy destroyed T0·Sgen</translation>
    </message>
    <message>
        <source>Вычислить</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>В таблицу</source>
        <translation>Add to table</translation>
    </message>
    <message>
        <source>TS диаграмма</source>
        <translation>T-s diagram</translation>
    </message>
    <message>
        <source>Конец =&gt; Начало</source>
        <translation>End =&gt; Start</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Температура,
K</source>
        <translation>Temperature,
K</translation>
    </message>
    <message>
        <source>Давление,
МПа</source>
        <translation>Pressure,
MPa</translation>
    </message>
    <message>
        <source>Плотность,
</source>
        <translation>Density,
</translation>
    </message>
    <message>
        <source>Энтальпия,
</source>
        <translation>Enthalpy,
</translation>
    </message>
    <message>
        <source>Энтропия,
</source>
        <translation>Entropy,
</translation>
    </message>
    <message>
        <source>Степень
сухости, %</source>
        <translation>Dryness,
%</translation>
    </message>
    <message>
        <source>Изотермический КПД</source>
        <translation>Isothermal efficiency</translation>
    </message>
    <message>
        <source>Изоэнтропный КПД</source>
        <translation>Isentropic efficiency</translation>
    </message>
    <message>
        <source>Циклы ожижения</source>
        <translation>Liquefaction cycles</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Реальные процессы</source>
        <translation>Real processes</translation>
    </message>
    <message>
        <source>Таблица результатов расчета реальных процессов</source>
        <translation>Results of the real processes</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Удалить процесс</source>
        <translation>Delete process</translation>
    </message>
</context>
<context>
    <name>TTS_points</name>
    <message>
        <source>Точки с TS диаграммы</source>
        <translation>Points from the T-s diagram</translation>
    </message>
    <message>
        <source>Параметры точек, снятых с TS диаграммы</source>
        <translation>States of the points picked on the TS diagram</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Точки</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>TTSvid</name>
    <message>
        <source> TS диаграмма</source>
        <translation> T-s diagram</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Сохранить диаграмму...</source>
        <translation>Save diagram...</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Сохранить диаграмму</source>
        <translation>Save diagram</translation>
    </message>
    <message>
        <source>Диаграмма записывается в файлы PNG, SVG и PDF !
</source>
        <translation>The diagram can be saved as PNG, SVG or PDF only.
</translation>
    </message>
    <message>
        <source>Копировать диаграмму</source>
        <translation>Copy diagram</translation>
    </message>
    <message>
        <source>Легенда</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Вид диаграммы</source>
        <translation>Diagram kind</translation>
    </message>
    <message>
        <source>Вся диаграмма</source>
        <translation>Whole diagram</translation>
    </message>
    <message>
        <source>Кривая инверсии</source>
        <translation>Inversion curve</translation>
    </message>
    <message>
        <source>Линии другой модели</source>
        <translation>Other model&apos;s lines</translation>
    </message>
    <message>
        <source>Увеличено ×%1</source>
        <translation>Zoomed ×%1</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Копировать всё</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>Сохранить в CSV...</source>
        <translation>Save as CSV...</translation>
    </message>
    <message>
        <source>Сохранить в CSV</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv);;Все файлы (*)</source>
        <translation>CSV tables (*.csv);;All files (*)</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>кг/м3</source>
        <translation>kg/m3</translation>
    </message>
    <message>
        <source>кДж/кг</source>
        <translation>kJ/kg</translation>
    </message>
    <message>
        <source>кДж/(кг.К)</source>
        <translation>kJ/(kg.K)</translation>
    </message>
    <message>
        <source>м3/кг</source>
        <translation>m3/kg</translation>
    </message>
    <message>
        <source>моль/л</source>
        <translation>mol/l</translation>
    </message>
    <message>
        <source>Дж/моль</source>
        <translation>J/mol</translation>
    </message>
    <message>
        <source>Дж/(моль.К)</source>
        <translation>J/(mol.K)</translation>
    </message>
    <message>
        <source>л/моль</source>
        <translation>l/mol</translation>
    </message>
    <message>
        <source>МПа</source>
        <translation>MPa</translation>
    </message>
</context>
<context>
    <name>WorkFile</name>
    <message>
        <source>поле %1 не объект</source>
        <translation>field %1 is not an object</translation>
    </message>
    <message>
        <source>неизвестный раздел %1</source>
        <translation>unknown section %1</translation>
    </message>
    <message>
        <source>неизвестное поле %1</source>
        <translation>unknown field %1</translation>
    </message>
    <message>
        <source>нет раздела %1</source>
        <translation>no section %1</translation>
    </message>
    <message>
        <source>нет поля %1</source>
        <translation>no field %1</translation>
    </message>
    <message>
        <source>поле %1 не список</source>
        <translation>field %1 is not a list</translation>
    </message>
    <message>
        <source>в списке %1 %2 значений вместо %3</source>
        <translation>list %1 holds %2 values instead of %3</translation>
    </message>
    <message>
        <source>в списке %1 больше %2 строк</source>
        <translation>list %1 holds more than %2 rows</translation>
    </message>
    <message>
        <source>неверное значение %1</source>
        <translation>wrong value %1</translation>
    </message>
    <message>
        <source>файл оборван или испорчен (%1)</source>
        <translation>the file is cut short or damaged (%1)</translation>
    </message>
    <message>
        <source>диаграмма не рассчитывается</source>
        <translation>the diagram cannot be computed</translation>
    </message>
    <message>
        <source>Файл не прочитан !
</source>
        <translation>The file could not be read.
</translation>
    </message>
    <message>
        <source>Это не рабочий файл программы !
</source>
        <translation>This is not a work file of the program.
</translation>
    </message>
    <message>
        <source>Рабочий файл поврежден !
</source>
        <translation>The work file is damaged.
</translation>
    </message>
    <message>
        <source>Рабочий файл записан более новой версией программы !
</source>
        <translation>The work file was written by a newer version of the program.
</translation>
    </message>
    <message>
        <source>Рабочее вещество &quot;</source>
        <translation>The working substance &quot;</translation>
    </message>
    <message>
        <source>&quot; в программе не рассчитывается !
</source>
        <translation>&quot; is not one the program computes.
</translation>
    </message>
    <message>
        <source>Значение вне пределов расчета !
</source>
        <translation>A value is outside the range the program computes.
</translation>
    </message>
    <message>
        <source>раздел %1 повторяется</source>
        <translation>section %1 is given twice</translation>
    </message>
    <message>
        <source>поле %1 повторяется</source>
        <translation>field %1 is given twice</translation>
    </message>
    <message>
        <source>слишком много мелких значений</source>
        <translation>too many small values</translation>
    </message>
    <message>
        <source>Это не обычный файл (устройство, канал или папка) !
</source>
        <translation>This is not a regular file (a device, pipe or folder).
</translation>
    </message>
    <message>
        <source>Файл больше %1 МБ: это не рабочий файл !
</source>
        <translation>The file is larger than %1 MB: it is not a work file.
</translation>
    </message>
</context>
</TS>

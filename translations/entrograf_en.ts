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
        <source>верхний предел температуры, K (по умолчанию 350)</source>
        <translation>upper temperature limit, K (default 350)</translation>
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
        <source>изоэнтропный (изотермический) КПД компрессора или детандера, 0 &lt; E &lt;= 1 (по умолчанию 1)</source>
        <translation>isentropic (isothermal) efficiency of a compressor or expander, 0 &lt; E &lt;= 1 (default 1)</translation>
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
        <source>Диаграммы T-s рабочих веществ, идеальные и реальные процессы.
Без параметров открывает окно программы, с рабочим файлом (.entrograf) - сохраненную в нем работу.
Запись диаграммы в файл без окна:
  entrograf --export-diagram ВЕЩЕСТВО ФАЙЛ [--tmin T] [--tmax T] [--scale log|lin]
  entrograf --export-diagram РАБОЧИЙ_ФАЙЛ.entrograf ФАЙЛ
Расчет реального устройства без окна (JSON на стандартный вывод):
  entrograf --device ВИД ВЕЩЕСТВО --p1 P --t1 T --p2 P [--eta E] [--t2 T] [--heat Q]
            [--tr T] [--t0 T]
Расчет цикла ожижения без окна (JSON на стандартный вывод):
  entrograf --cycle ВИД ВЕЩЕСТВО [--plow P] [--phigh P] [--t1 T] [--eta-t E] [--dt K]
            [--leak Q] [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]</source>
        <translation>T-s diagrams of working substances, ideal and real processes.
Without arguments opens the program window, with a work file (.entrograf) the work saved in it.
Writing a diagram to a file without a window:
  entrograf --export-diagram SUBSTANCE FILE [--tmin T] [--tmax T] [--scale log|lin]
  entrograf --export-diagram WORK_FILE.entrograf FILE
Computing a real device without a window (JSON on standard output):
  entrograf --device KIND SUBSTANCE --p1 P --t1 T --p2 P [--eta E] [--t2 T] [--heat Q]
            [--tr T] [--t0 T]
Computing a liquefaction cycle without a window (JSON on standard output):
  entrograf --cycle KIND SUBSTANCE [--plow P] [--phigh P] [--t1 T] [--eta-t E] [--dt K]
            [--leak Q] [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]</translation>
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
</context>
<context>
    <name>Cycle</name>
    <message>
        <source>расчет цикла ожижения:
  entrograf --cycle ВИД ВЕЩЕСТВО [--plow P] [--phigh P] [--t1 T] [--eta-t E] [--dt K] [--leak Q]
            [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]
  ВИД: linde, linde-precooled, claude
  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</source>
        <translation>computing a liquefaction cycle:
  entrograf --cycle KIND SUBSTANCE [--plow P] [--phigh P] [--t1 T] [--eta-t E] [--dt K] [--leak Q]
            [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]
  KIND: linde, linde-precooled, claude
  SUBSTANCE: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</translation>
    </message>
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
        <source>непонятный аргумент &quot;</source>
        <translation>unknown argument &quot;</translation>
    </message>
    <message>
        <source> не относится к циклу </source>
        <translation> does not apply to the cycle </translation>
    </message>
    <message>
        <source> указан дважды</source>
        <translation> given twice</translation>
    </message>
    <message>
        <source>после </source>
        <translation>no value after </translation>
    </message>
    <message>
        <source> нет значения</source>
        <translation></translation>
    </message>
    <message>
        <source>&quot; - не число</source>
        <translation>&quot; is not a number</translation>
    </message>
    <message>
        <source>температура окружающей среды --t0 должна быть больше 0 K</source>
        <translation>the ambient temperature --t0 must be above 0 K</translation>
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
        <source>Жидкость не образуется: газ при дросселировании от %1 K
нагревается (он выше температуры инверсии).
Газ нужно предварительно охладить !</source>
        <translation>No liquid forms: the gas throttled from %1 K
warms up (it is above its inversion temperature).
The gas must be precooled.</translation>
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
        <source>Изотермический КПД должен быть больше 0 и не больше 1 !</source>
        <translation>The isothermal efficiency must be greater than 0 and at most 1.</translation>
    </message>
    <message>
        <source>Изоэнтропный КПД должен быть больше 0 и не больше 1 !</source>
        <translation>The isentropic efficiency must be greater than 0 and at most 1.</translation>
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
</context>
<context>
    <name>Device</name>
    <message>
        <source>расчет реального устройства:
  entrograf --device ВИД ВЕЩЕСТВО --p1 P --t1 T --p2 P [--eta E] [--t2 T] [--heat Q] [--tr T] [--t0 T]
  ВИД: compressor, compressor-isothermal, expander, throttle, exchanger
  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</source>
        <translation>computing a real device:
  entrograf --device KIND SUBSTANCE --p1 P --t1 T --p2 P [--eta E] [--t2 T] [--heat Q] [--tr T] [--t0 T]
  KIND: compressor, compressor-isothermal, expander, throttle, exchanger
  SUBSTANCE: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</translation>
    </message>
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
        <source>непонятный аргумент &quot;</source>
        <translation>unknown argument &quot;</translation>
    </message>
    <message>
        <source> не относится к устройству </source>
        <translation> does not apply to the device </translation>
    </message>
    <message>
        <source> указан дважды</source>
        <translation> given twice</translation>
    </message>
    <message>
        <source>после </source>
        <translation>no value after </translation>
    </message>
    <message>
        <source> нет значения</source>
        <translation></translation>
    </message>
    <message>
        <source>&quot; - не число</source>
        <translation>&quot; is not a number</translation>
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
        <source>Изотермический КПД должен быть больше 0 и не больше 1 !</source>
        <translation>The isothermal efficiency must be greater than 0 and at most 1.</translation>
    </message>
    <message>
        <source>Изоэнтропный КПД должен быть больше 0 и не больше 1 !</source>
        <translation>The isentropic efficiency must be greater than 0 and at most 1.</translation>
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
        <source> TS диаграмма для %1 (в систeме SI)</source>
        <translation> T-s diagram of %1 (SI units)</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>запись диаграммы в файл:
  entrograf --export-diagram ВЕЩЕСТВО ФАЙЛ [--tmin T] [--tmax T] [--scale log|lin]
  entrograf --export-diagram РАБОЧИЙ_ФАЙЛ.entrograf ФАЙЛ
  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air
  ФАЙЛ: .png, .svg или .pdf</source>
        <translation>writing a diagram to a file:
  entrograf --export-diagram SUBSTANCE FILE [--tmin T] [--tmax T] [--scale log|lin]
  entrograf --export-diagram WORK_FILE.entrograf FILE
  SUBSTANCE: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air
  FILE: .png, .svg or .pdf</translation>
    </message>
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
        <source>&quot; не задается: пределы и шкала берутся из файла</source>
        <translation>&quot; cannot be given: the limits and the scale come from the file</translation>
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
        <source>неизвестное вещество &quot;</source>
        <translation>unknown substance &quot;</translation>
    </message>
    <message>
        <source>&quot;; допустимы: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</source>
        <translation>&quot;; allowed: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air</translation>
    </message>
    <message>
        <source>непонятный аргумент &quot;</source>
        <translation>unknown argument &quot;</translation>
    </message>
    <message>
        <source>после </source>
        <translation>no value after </translation>
    </message>
    <message>
        <source> нет значения</source>
        <translation></translation>
    </message>
    <message>
        <source> указан дважды</source>
        <translation> given twice</translation>
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
        <source>&quot; - не число</source>
        <translation>&quot; is not a number</translation>
    </message>
    <message>
        <source>T макс &gt; 500 K !</source>
        <translation>T max is above 500 K</translation>
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
    <name>Points</name>
    <message>
        <source> Вещество</source>
        <translation> Substance</translation>
    </message>
    <message>
        <source> Ср, </source>
        <translation> Cp, </translation>
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
        <translation>Cycle on the T-s diagram</translation>
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
        <source>Файл не записан !
</source>
        <translation>The file was not written.
</translation>
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
        <source>Компр.</source>
        <translation>Compr.</translation>
    </message>
    <message>
        <source>ТО 1</source>
        <translation>HX 1</translation>
    </message>
    <message>
        <source>ТО 2</source>
        <translation>HX 2</translation>
    </message>
    <message>
        <source>ТО 3</source>
        <translation>HX 3</translation>
    </message>
    <message>
        <source>Ванна</source>
        <translation>Bath</translation>
    </message>
    <message>
        <source>Детандер</source>
        <translation>Expander</translation>
    </message>
    <message>
        <source>Дроссель</source>
        <translation>Valve</translation>
    </message>
    <message>
        <source>Отдел.</source>
        <translation>Separ.</translation>
    </message>
    <message>
        <source>Подпитка</source>
        <translation>Make-up</translation>
    </message>
    <message>
        <source> Сумма = W/y - Wi</source>
        <translation> Total = W/y - Wi</translation>
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
        <source> Рабочее вещество - %1 </source>
        <translation> Working substance: %1 </translation>
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
        <translation>States of the points picked on the T-s diagram</translation>
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
        <source>Файл не записан !
</source>
        <translation>The file was not written.
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
    <message>
        <source>Файл не записан !
</source>
        <translation>The file was not written.
</translation>
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
        <source>Файл не записан !
</source>
        <translation>The file was not written.
</translation>
    </message>
</context>
</TS>

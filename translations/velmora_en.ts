<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>ConnectionType</name>
    <message>
        <source>Модем 14400 бот</source>
        <translation>Modem 14400 bps</translation>
    </message>
    <message>
        <source>Модем 28800 бот</source>
        <translation>Modem 28800 bps</translation>
    </message>
    <message>
        <source>Модем 33600 бот</source>
        <translation>Modem 33600 bps</translation>
    </message>
    <message>
        <source>Модем 56000 бот</source>
        <translation>Modem 56000 bps</translation>
    </message>
    <message>
        <source>Двухканальный ISDN</source>
        <translation>Dual-channel ISDN</translation>
    </message>
    <message>
        <source>Кабельное соединение</source>
        <translation>Cable connection</translation>
    </message>
    <message>
        <source>xDSL/T1 и выше</source>
        <translation>xDSL/T1 and faster</translation>
    </message>
    <message>
        <source>LAN (10Mbps или 100 Mbps)</source>
        <translation>LAN (10Mbps or 100 Mbps)</translation>
    </message>
</context>
<context>
    <name>CrosshairDialog</name>
    <message>
        <source>Зелёный</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Жёлтый</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Голубой</source>
        <translation>Cyan</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Файл или каталог не существует</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Отказано в доступе</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Операция не позволена</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Имя файла ссылается на каталог</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Часть пути не является каталогом</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>На устройстве не осталось свободного места</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Превышена дисковая квота</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Файловая система доступна только для чтения</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Слишком много уровней символьных ссылок</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Файл слишком велик</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Ошибка ввода-вывода</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Слишком много открытых файлов</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Слишком много открытых файлов в системе</source>
        <translation>Too many open files in system</translation>
    </message>
    <message>
        <source>Слишком длинное имя файла</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Файл существует</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>Устройство или ресурс занято</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>Текстовый файл занят</source>
        <translation>Text file busy</translation>
    </message>
    <message>
        <source>Неверная ссылка между устройствами</source>
        <translation>Invalid cross-device link</translation>
    </message>
    <message>
        <source>Недопустимый аргумент</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>Недостаточно памяти</source>
        <translation>Cannot allocate memory</translation>
    </message>
    <message>
        <source>Нет такого устройства или адреса</source>
        <translation>No such device or address</translation>
    </message>
    <message>
        <source>Нет такого устройства</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Ресурс временно недоступен</source>
        <translation>Resource temporarily unavailable</translation>
    </message>
    <message>
        <source>Прерван системный вызов</source>
        <translation>Interrupted system call</translation>
    </message>
    <message>
        <source>Устаревший дескриптор файла</source>
        <translation>Stale file handle</translation>
    </message>
    <message>
        <source>Системная ошибка номер %1</source>
        <translation>System error number %1</translation>
    </message>
    <message>
        <source>Системная ошибка (%1)</source>
        <translation>System error (%1)</translation>
    </message>
</context>
<context>
    <name>GameCommands</name>
    <message>
        <source>Игра ограничивает значение %1 пределами %2–%3.</source>
        <translation>The game keeps the value of %1 within %2–%3.</translation>
    </message>
    <message>
        <source>В текущей версии игры строка %1 ничего не делает.</source>
        <translation>In the current version of the game the line %1 does nothing.</translation>
    </message>
    <message>
        <source>Строка %1 действует только на сервере, который вы запускаете сами, а не там, куда вы заходите.</source>
        <translation>The line %1 works only on a server you start yourself, not on the servers you join.</translation>
    </message>
    <message>
        <source>Игра не сохраняет %1 в своём config.cfg, поэтому значение держится только благодаря autoexec.cfg.</source>
        <translation>The game does not keep %1 in its config.cfg, so the value holds only thanks to autoexec.cfg.</translation>
    </message>
    <message>
        <source>Выше %1 действует только вместе с %2 1 (без него игра делает не больше %3 кадра в секунду), а в сетевой игре значение ниже %4 игра поднимает до %4.</source>
        <translation>Above %1 it takes effect only with %2 1 (without it the game makes at most %3 frames a second), and in multiplayer the game raises a value below %4 to %4.</translation>
    </message>
    <message>
        <source>%1 — переключатель, а не переменная. Каждый запуск строки меняет состояние на обратное, и игра его не сохраняет.</source>
        <translation>%1 is a toggle, not a variable. Each run of the line flips it, and the game does not keep it.</translation>
    </message>
    <message>
        <source>Игра хранит rate не в config.cfg, а в hl.conf, общем для всех игр на движке Half-Life, и читает его уже после файлов настроек, так что значение оттуда может заменить строку rate.</source>
        <translation>The game keeps rate not in config.cfg but in hl.conf, shared by every game on the Half-Life engine, and reads it after the config files, so the value from there may replace the rate line.</translation>
    </message>
    <message>
        <source>Игра держит сумму между 800 и 16000.</source>
        <translation>The game keeps the sum between 800 and 16000.</translation>
    </message>
    <message>
        <source>В юбилейной сборке место gl_overbright занял gl_use_shaders, который сервер может запретить (sv_allow_shaders). Какое его значение даёт картинку темнее, не подтверждено, поэтому Velmora его не пишет.</source>
        <translation>In the anniversary build gl_use_shaders took the place of gl_overbright, and a server may forbid it (sv_allow_shaders). Which of its values gives the darker picture is not confirmed, so Velmora does not write it.</translation>
    </message>
    <message>
        <source>Игра держит оружие в правой руке при cl_righthand 1 и в левой при 0. Строка setinfo lefthand ни на что не влияет (этот ключ никто не читает), но игра с тех пор хранит его в config.cfg.</source>
        <translation>The game holds the weapon in the right hand with cl_righthand 1 and in the left with 0. The line setinfo lefthand changes nothing (no one reads that key), but from then on the game keeps it in config.cfg.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>Прежнего autoexec.cfg нет: в папке cstrike нет файла autoexec.cfg.bak.</source>
        <translation>There is no earlier autoexec.cfg: the cstrike folder has no autoexec.cfg.bak file.</translation>
    </message>
    <message>
        <source>Это не обычный файл: %1</source>
        <translation>This is not a regular file: %1</translation>
    </message>
    <message>
        <source>Запись по ссылке за пределы папки игры запрещена</source>
        <translation>Writing through a link outside the game folder is not allowed</translation>
    </message>
    <message>
        <source>Запись по ссылке в файл другого пользователя запрещена</source>
        <translation>Writing through a link into another user&apos;s file is not allowed</translation>
    </message>
    <message>
        <source>Файл %1 больше %2 МБ: это не конфиг игры, и Velmora не читает и не изменяет его. Удалите или переместите этот файл.</source>
        <translation>The file %1 is larger than %2 MB: it is not a game config, and Velmora neither reads nor changes it. Delete or move this file.</translation>
    </message>
    <message>
        <source>В userconfig.cfg есть нулевой байт: игра не читает файл дальше него, поэтому строка &quot;exec autoexec.cfg&quot; в его конце не сработала бы.</source>
        <translation>userconfig.cfg holds a NUL byte: the game reads the file no further, so the line &quot;exec autoexec.cfg&quot; at its end would never run.</translation>
    </message>
    <message>
        <source>В строке %1 конфига есть нулевой символ: игра перестаёт читать файл на нём, и строки после него не сработали бы. Удалите его и сохраните снова.</source>
        <translation>Line %1 of the config holds a NUL character: the game stops reading the file there, so the lines after it would never run. Remove it and save again.</translation>
    </message>
    <message>
        <source>В имени файла есть управляющий символ (например, перевод строки), оно показано со знаком &quot;?&quot; на его месте: %1</source>
        <translation>The file name holds a control character (a line feed, say), shown as &quot;?&quot; in its place: %1</translation>
    </message>
    <message>
        <source>Файл заменили другим, пока шло сохранение</source>
        <translation>The file was replaced by another while it was being saved</translation>
    </message>
    <message>
        <source>Файл %1 больше %2 байт: Velmora не читает его. Удалите или переместите этот файл.</source>
        <translation>File %1 is larger than %2 bytes: Velmora does not read it. Delete or move this file.</translation>
    </message>
</context>
<context>
    <name>OptionTip</name>
    <message>
        <source>ничего</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>Отмечено</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>Не отмечено</source>
        <translation>Unchecked</translation>
    </message>
    <message>
        <source>Серая отметка (значение 2)</source>
        <translation>Grayed (value 2)</translation>
    </message>
    <message>
        <source>Пишет</source>
        <translation>Writes</translation>
    </message>
    <message>
        <source>Когда флажок отмечен, пишет</source>
        <translation>When checked, writes</translation>
    </message>
    <message>
        <source> (тип соединения не из списка)</source>
        <translation> (a connection type not in the list)</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Тип соединения:</source>
        <translation>Connection type:</translation>
    </message>
    <message>
        <source>Пинг от</source>
        <translation>Ping from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Ваш ник:</source>
        <translation>Your nick:</translation>
    </message>
    <message>
        <source>Время в течении которого длится раунд</source>
        <translation>How long a round lasts</translation>
    </message>
    <message>
        <source>Время в начале игры отведённое для покупки оружия:</source>
        <translation>Time to buy weapons at the start of a round:</translation>
    </message>
    <message>
        <source>Время в течении которого трупы остаются на земле:</source>
        <translation>How long bodies stay on the ground:</translation>
    </message>
    <message>
        <source>Позиция NetGraph</source>
        <translation>NetGraph position</translation>
    </message>
    <message>
        <source>Громкость звука</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Чуствительность голоса</source>
        <translation>Voice sensitivity</translation>
    </message>
    <message>
        <source>Максимальное FPS</source>
        <translation>Maximum FPS</translation>
    </message>
    <message>
        <source>Скорость движения вперёд</source>
        <translation>Forward speed</translation>
    </message>
    <message>
        <source>Скорость движения назад</source>
        <translation>Backward speed</translation>
    </message>
    <message>
        <source>Скорость движения мыши</source>
        <translation>Mouse speed</translation>
    </message>
    <message>
        <source>Поддержка MMX</source>
        <translation>MMX support</translation>
    </message>
    <message>
        <source>Кровь, следы от пуль и т.д</source>
        <translation>Blood, bullet marks, etc</translation>
    </message>
    <message>
        <source>Показ оружия на экране</source>
        <translation>Show the weapon on screen</translation>
    </message>
    <message>
        <source>Включить режим читов</source>
        <translation>Cheat mode on</translation>
    </message>
    <message>
        <source>Показ гильз</source>
        <translation>Show shell casings</translation>
    </message>
    <message>
        <source>Вокруг ботов светится ореал света</source>
        <translation>A halo of light glows around the bots</translation>
    </message>
    <message>
        <source>Поддержка джойстика</source>
        <translation>Joystick support</translation>
    </message>
    <message>
        <source>Плавное перемищение курсора</source>
        <translation>Smooth cursor movement</translation>
    </message>
    <message>
        <source>Звук  A3D</source>
        <translation>A3D  sound</translation>
    </message>
    <message>
        <source>Звук  EAX</source>
        <translation>EAX  sound</translation>
    </message>
    <message>
        <source>Включить NetGraph</source>
        <translation>NetGraph on</translation>
    </message>
    <message>
        <source>Быстрое переключение оружия</source>
        <translation>Fast weapon switch</translation>
    </message>
    <message>
        <source>Дым из ствола (как в фильмах)</source>
        <translation>Smoke from the barrel (as in the movies)</translation>
    </message>
    <message>
        <source>Разрешить загрузку с сервера </source>
        <translation>Allow downloads from the server </translation>
    </message>
    <message>
        <source>Разрешить загрузку с клиента</source>
        <translation>Allow uploads from the client</translation>
    </message>
    <message>
        <source>Загрузка файлов во время игры</source>
        <translation>Download files during the game</translation>
    </message>
    <message>
        <source>Оптимизация скорости</source>
        <translation>Speed optimisation</translation>
    </message>
    <message>
        <source>Оптимизация оружия</source>
        <translation>Weapon optimisation</translation>
    </message>
    <message>
        <source>Боты празднуют Новый год</source>
        <translation>The bots celebrate the New Year</translation>
    </message>
    <message>
        <source>Контры светятся синем, а тероры красным</source>
        <translation>Counter-terrorists glow blue, terrorists red</translation>
    </message>
    <message>
        <source>Звук шагов</source>
        <translation>Footsteps</translation>
    </message>
    <message>
        <source>Хочу в вести свою контактную информацию (E-amil, Web или Тел.) :</source>
        <translation>I want to enter my contact details (E-mail, Web or Phone) :</translation>
    </message>
    <message>
        <source>Что вы говорите будет слышно вам также как и другим</source>
        <translation>Hear what you say, as the others hear it</translation>
    </message>
    <message>
        <source>Ослаблять все звуки в момент разговора</source>
        <translation>Lower every sound while someone speaks</translation>
    </message>
    <message>
        <source>Удаление шума</source>
        <translation>Noise removal</translation>
    </message>
    <message>
        <source>Удалить затухание голоса</source>
        <translation>Remove voice fading</translation>
    </message>
    <message>
        <source>Сглаживание голоса</source>
        <translation>Voice smoothing</translation>
    </message>
    <message>
        <source>Автомотически болансировать команды</source>
        <translation>Balance the teams automatically</translation>
    </message>
    <message>
        <source>Показывать радар</source>
        <translation>Show the radar</translation>
    </message>
    <message>
        <source>Показывать имя игрока в центре</source>
        <translation>Show the player&apos;s name in the centre</translation>
    </message>
    <message>
        <source>Включить высококачественный звук</source>
        <translation>High-quality sound</translation>
    </message>
    <message>
        <source>Включить звук</source>
        <translation>Sound on</translation>
    </message>
    <message>
        <source>Режим высокого качества отбражения моделей игроков </source>
        <translation>High-quality player models </translation>
    </message>
    <message>
        <source>Деньги в начале игры:</source>
        <translation>Money at the start:</translation>
    </message>
    <message>
        <source>Можно стрелять в членов команды</source>
        <translation>Friendly fire</translation>
    </message>
    <message>
        <source>Использовать голосовую комуникацию</source>
        <translation>Use voice communication</translation>
    </message>
    <message>
        <source>Показывать оружие в правой руке</source>
        <translation>Hold the weapon in the right hand</translation>
    </message>
    <message>
        <source>Меню без рисунков и указателя мыши (текстовое)</source>
        <translation>Menus without pictures or mouse pointer (text)</translation>
    </message>
    <message>
        <source>Я использую консоль и скорость выпадения равно:</source>
        <translation>I use the console, its drop speed is:</translation>
    </message>
    <message>
        <source>Показать прицел</source>
        <translation>Show the crosshair</translation>
    </message>
    <message>
        <source>Темнее изображение (типо сумерки)</source>
        <translation>Darker picture (like dusk)</translation>
    </message>
    <message>
        <source>Показывать хунды</source>
        <translation>Show the HUD</translation>
    </message>
    <message>
        <source>Обзор мышкой</source>
        <translation>Mouse look</translation>
    </message>
    <message>
        <source>Я играю с POD BOT 2.5</source>
        <translation>I play with POD BOT 2.5</translation>
    </message>
    <message>
        <source>Игра по сети</source>
        <translation>Online play</translation>
    </message>
    <message>
        <source>Соединение</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Графика</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Голосовая коммуникация</source>
        <translation>Voice communication</translation>
    </message>
    <message>
        <source>Настройка звука в игре</source>
        <translation>Sound in the game</translation>
    </message>
    <message>
        <source>(от 0,1 до 100 )</source>
        <translation>(from 0.1 to 100 )</translation>
    </message>
    <message>
        <source>Разное</source>
        <translation>Miscellany</translation>
    </message>
    <message>
        <source>МИН (от 1 до 9)</source>
        <translation>MIN (from 1 to 9)</translation>
    </message>
    <message>
        <source>СЕК</source>
        <translation>SEC</translation>
    </message>
    <message>
        <source>Полезности</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>( 0 - лево; 1 - право; 2 - середина ) </source>
        <translation>( 0 - left; 1 - right; 2 - centre ) </translation>
    </message>
    <message>
        <source>Приколы</source>
        <translation>Fun</translation>
    </message>
</context>
<context>
    <name>velmora::AboutRus</name>
    <message>
        <source>О программе!</source>
        <translation>About the program!</translation>
    </message>
    <message>
        <source>Velmora составляет autoexec.cfg для Counter-Strike: сетевые, графические и звуковые настройки, боты и многое другое. Ваши bind и alias из config.cfg переносятся в новый конфиг. Программа распространяется «как есть», без каких-либо гарантий. Перед сохранением проверьте текст конфига.</source>
        <translation>Velmora writes an autoexec.cfg for Counter-Strike: network, graphics and sound settings, bots and much more. Your bind and alias lines from config.cfg are carried into the new config. The program comes &quot;as is&quot;, without any warranty. Check the config&apos;s text before you save it.</translation>
    </message>
    <message>
        <source>Програмист:</source>
        <translation>Programmer:</translation>
    </message>
    <message>
        <source>Разработчики Velmora</source>
        <translation>The Velmora developers</translation>
    </message>
    <message>
        <source>Собственной персоны :)</source>
        <translation>In person :)</translation>
    </message>
    <message>
        <source>Нажми чтобы скопировать</source>
        <translation>Click to copy</translation>
    </message>
    <message>
        <source>Нажми на надаись чтобы посетить</source>
        <translation>Click the address to visit</translation>
    </message>
    <message>
        <source>Нажмите на надпись чтоб скопировать в буфер обмена. А на сайт можно зайти нажав на него!</source>
        <translation>Click a line to copy it to the clipboard. Click the site to visit it!</translation>
    </message>
    <message>
        <source>ОК!</source>
        <translation>OK!</translation>
    </message>
    <message>
        <source>Ага буржуи лохи!</source>
        <translation>Ha, the bourgeois are suckers!</translation>
    </message>
</context>
<context>
    <name>velmora::ConfigBox</name>
    <message>
        <source>Здесь будет ваш конфиг
</source>
        <translation>Your config will be here
</translation>
    </message>
    <message>
        <source>Найдено %1 bind(s) и alias</source>
        <translation>Found %1 bind(s) and alias</translation>
    </message>
    <message>
        <source>...и ещё %1</source>
        <translation>...and %1 more</translation>
    </message>
    <message>
        <source>Среди найденных строк есть такие, какие серверы подбрасывали игрокам в config.cfg (подключение к чужому серверу, rcon, запуск других файлов):<byte value="xd"/>
%1<byte value="xd"/>
Убрать их из конфига?</source>
        <translation>Among the lines found are some that servers used to plant in players&apos; config.cfg (connecting to another server, rcon, running other files):<byte value="xd"/>
%1<byte value="xd"/>
Remove them from the config?</translation>
    </message>
    <message>
        <source>Все поля заполнены??</source>
        <translation>Are all the fields filled in??</translation>
    </message>
    <message>
        <source>Вы уверены что хотите ОЧИСТИТЬ конфиг?</source>
        <translation>Are you sure you want to CLEAR the config?</translation>
    </message>
</context>
<context>
    <name>velmora::CrosshairDialog</name>
    <message>
        <source>Прицел</source>
        <translation>Crosshair</translation>
    </message>
    <message>
        <source>Настройки прицела</source>
        <translation>Crosshair settings</translation>
    </message>
    <message>
        <source>Свой</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Цвет:</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Выбрать...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Красный, зелёный, синий:</source>
        <translation>Red, green, blue:</translation>
    </message>
    <message>
        <source>Авто</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Маленький</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Средний</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Большой</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Размер:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Полупрозрачный (цвет прибавляется к картинке)</source>
        <translation>Translucent (its colour is added to the picture)</translation>
    </message>
    <message>
        <source>Динамический (расходится, когда игрок бежит или прыгает)</source>
        <translation>Dynamic (spreads while the player runs or jumps)</translation>
    </message>
    <message>
        <source>Разрешение в игре:</source>
        <translation>Resolution in the game:</translation>
    </message>
    <message>
        <source>Так прицел выглядит в игре</source>
        <translation>The crosshair as the game draws it</translation>
    </message>
    <message>
        <source>Стоя, оружие в покое (AK-47):</source>
        <translation>Standing, weapon at rest (AK-47):</translation>
    </message>
    <message>
        <source>Один пиксель игры здесь равен одному пикселю экрана.</source>
        <translation>One pixel of the game is one pixel of the screen here.</translation>
    </message>
    <message>
        <source>Некоторые значения прицела в конфиге игра читает не так, как они записаны; здесь показано, что она из них делает.</source>
        <translation>The game reads some of the crosshair values in the config otherwise than written; shown here is what it makes of them.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>В движении (AK-47): стоит</source>
        <translation>Moving (AK-47): standing</translation>
    </message>
    <message>
        <source>В движении (AK-47): бежит</source>
        <translation>Moving (AK-47): running</translation>
    </message>
    <message>
        <source>В движении (AK-47): прыгает</source>
        <translation>Moving (AK-47): jumping</translation>
    </message>
    <message>
        <source>В движении (AK-47): стреляет</source>
        <translation>Moving (AK-47): firing</translation>
    </message>
</context>
<context>
    <name>velmora::Dir</name>
    <message>
        <source>Выберите директорию с Half-Life</source>
        <translation>Choose the Half-Life folder</translation>
    </message>
    <message>
        <source>В файле не указан путь!</source>
        <translation>No path is set in the file!</translation>
    </message>
</context>
<context>
    <name>velmora::FileCommands</name>
    <message>
        <source>В файле не указан путь!</source>
        <translation>No path is set in the file!</translation>
    </message>
    <message>
        <source>Конфиги (*.cfg)</source>
        <translation>Configs (*.cfg)</translation>
    </message>
    <message>
        <source>Вы уверены что хотите сохранить конфиг?</source>
        <translation>Are you sure you want to save the config?</translation>
    </message>
    <message>
        <source>Файл autoexec.cfg не изменится: в нём уже этот конфиг.</source>
        <translation>The file autoexec.cfg will not change: it already holds this config.</translation>
    </message>
    <message>
        <source>Строки файла autoexec.cfg останутся прежними, изменятся только концы строк.</source>
        <translation>The lines of autoexec.cfg stay as they are; only the line endings change.</translation>
    </message>
    <message>
        <source>... и ещё изменённых строк: %1</source>
        <translation>... and more changed lines: %1</translation>
    </message>
    <message>
        <source>Строки со знаком &quot;-&quot; уйдут из autoexec.cfg, строки со знаком &quot;+&quot; придут в него; строки без знака останутся, &quot;@@&quot; даёт номера строк.</source>
        <translation>Lines marked &quot;-&quot; will leave autoexec.cfg, lines marked &quot;+&quot; will come into it; unmarked lines stay, &quot;@@&quot; gives the line numbers.</translation>
    </message>
    <message>
        <source>Кроме того, изменятся концы строк.</source>
        <translation>The line ends will change as well.</translation>
    </message>
    <message>
        <source>В сохранённом конфиге есть строка &quot;exec userconfig.cfg&quot;, поэтому строка &quot;exec autoexec.cfg&quot; в userconfig.cfg не добавлена: эти два файла запускали бы друг друга без конца.</source>
        <translation>The saved config has the line &quot;exec userconfig.cfg&quot;, so the line &quot;exec autoexec.cfg&quot; was not added to userconfig.cfg: the two files would run each other without end.</translation>
    </message>
    <message>
        <source>Игра выполняет config.cfg после autoexec.cfg и возвращает прежние значения.<byte value="xd"/>
Добавить в userconfig.cfg строку &quot;exec autoexec.cfg&quot;, чтобы ваш конфиг применялся при каждом запуске?</source>
        <translation>The game runs config.cfg after autoexec.cfg and puts the old values back.<byte value="xd"/>
Add the line &quot;exec autoexec.cfg&quot; to userconfig.cfg, so that your config applies at every start?</translation>
    </message>
    <message>
        <source>Открыть конфиг</source>
        <translation>Open config</translation>
    </message>
    <message>
        <source>Строк перенесено в настройки: %1<byte value="xd"/>
Строк осталось в конфиге: %2</source>
        <translation>Lines moved into the settings: %1<byte value="xd"/>
Lines left in the config: %2</translation>
    </message>
    <message>
        <source>В файле есть нулевой символ: игра перестаёт читать файл на нём, поэтому строки после него не перенесены (файл на диске не изменён).</source>
        <translation>The file holds a NUL character: the game stops reading the file there, so the lines after it were not brought in (the file on disk is unchanged).</translation>
    </message>
    <message>
        <source>Сохранить конфиг как</source>
        <translation>Save config as</translation>
    </message>
    <message>
        <source>Файл %1 уже есть. Заменить его?</source>
        <translation>The file %1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>Вы уверены что хотите вернуть прежний autoexec.cfg?<byte value="xd"/>
Нынешний autoexec.cfg станет резервной копией autoexec.cfg.bak.</source>
        <translation>Are you sure you want to bring back the earlier autoexec.cfg?<byte value="xd"/>
The present autoexec.cfg will become the backup autoexec.cfg.bak.</translation>
    </message>
    <message>
        <source>Вы уверены что хотите вернуть прежний autoexec.cfg?<byte value="xd"/>
Файла autoexec.cfg сейчас нет, поэтому autoexec.cfg.bak будет скопирован и останется на месте.</source>
        <translation>Are you sure you want to bring back the previous autoexec.cfg?<byte value="xd"/>
There is no autoexec.cfg now, so autoexec.cfg.bak will be copied and stay where it is.</translation>
    </message>
    <message>
        <source>Прежний autoexec.cfg восстановлен.</source>
        <translation>The earlier autoexec.cfg has been restored.</translation>
    </message>
    <message>
        <source>Выдействительно хотите обнавить путь к папке с Half-Life?<byte value="xd"/>
Послетого как вы нажмёте на кнопку ДА надо будет запустипь программу заново!</source>
        <translation>Do you really want to update the path to the Half-Life folder?<byte value="xd"/>
After you press YES you will have to start the program again!</translation>
    </message>
</context>
<context>
    <name>velmora::IndexRus</name>
    <message>
        <source>Конфиг</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Восстановить прежний autoexec.cfg</source>
        <translation>Restore the earlier autoexec.cfg</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Обновить путь к папке с Half-Life</source>
        <translation>Update the path to the Half-Life folder</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Тех. поддержка</source>
        <translation>Tech support</translation>
    </message>
    <message>
        <source>Поля помеченные &quot;*&quot; обязательны для заполнения!</source>
        <translation>Fields marked &quot;*&quot; must be filled in!</translation>
    </message>
    <message>
        <source>Вы действительно хотите выйти?</source>
        <translation>Do you really want to exit?</translation>
    </message>
    <message>
        <source>Прицел...</source>
        <translation>Crosshair...</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DirectoryList</name>
    <message>
        <source>Путь не найден: %1</source>
        <translation>Path not found: %1</translation>
    </message>
    <message>
        <source>Нет доступа к папке: %1</source>
        <translation>No access to the folder: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DriveList</name>
    <message>
        <source>Устройство недоступно: %1</source>
        <translation>Device not available: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MessageBox</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>velmora::AboutRus</name>
    <message>
        <source>О программе!</source>
        <translation>About the program!</translation>
    </message>
    <message>
        <source>Velmora составляет autoexec.cfg для Counter-Strike: сетевые, графические и звуковые настройки, боты и многое другое. Ваши bind и alias из config.cfg переносятся в новый конфиг. Программа распространяется «как есть», без каких-либо гарантий. Перед сохранением проверьте текст конфига.</source>
        <translation>Velmora writes an autoexec.cfg for Counter-Strike: network, graphics and sound settings, bots and much more. Your bind and alias lines from config.cfg are carried into the new config. The program comes "as is", without any warranty. Check the config's text before you save it.</translation>
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
    <name>velmora::Dir</name>
    <message>
        <source>Выберите директорию с Half-Life</source>
        <translation>Choose the Half-Life folder</translation>
    </message>
    <message>
        <source>В файле не указан путь!</source>
        <translation>The file names no path!</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ledsignctl</name>
    <message>
        <source>图片文件 %1</source>
        <translation>picture file %1</translation>
    </message>
    <message>
        <source>无法建立临时文件夹，不能读取图片</source>
        <translation>Cannot create a temporary folder to read the picture</translation>
    </message>
    <message>
        <source>无法启动图片转换程序，不能读取%1</source>
        <translation>Cannot start the picture converter to read %1</translation>
    </message>
    <message>
        <source>%1 读取超过 %2 秒，已停止：图片可能过于复杂或已损坏</source>
        <translation>Reading %1 took more than %2 s and was stopped: the picture may be too complex or damaged</translation>
    </message>
    <message>
        <source>--%1 应为 %2 之一，而不是“%3”</source>
        <translation>--%1 must be one of %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>、</source>
        <comment>list separator</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>--size 应为 宽x高，例如 64x32，而不是“%1”</source>
        <translation>--size must be WIDTHxHEIGHT, e.g. 64x32, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>节目宽</source>
        <translation>program width</translation>
    </message>
    <message>
        <source>节目高</source>
        <translation>program height</translation>
    </message>
    <message>
        <source>节目的尺寸 (默认：控制卡报告的屏宽和屏高)。</source>
        <translation>The program&apos;s size (default: the sign width and height the controller reports).</translation>
    </message>
    <message>
        <source>由图片文件转换为LED颜色。</source>
        <translation>Convert a picture file into LED colours.</translation>
    </message>
    <message>
        <source>图片与节目比例不同时：inside 留黑边 (默认)、fill 裁切、stretch 拉伸。</source>
        <translation>When the picture and the program differ in shape: inside keeps black borders (default), fill crops, stretch stretches.</translation>
    </message>
    <message>
        <source>颜色转换：threshold 阈值 (默认)、dither 抖动、red/green/yellow 单色。</source>
        <translation>Colour conversion: threshold (default), dither, or one colour: red/green/yellow.</translation>
    </message>
    <message>
        <source>由RTF文件排出文字。</source>
        <translation>Lay out the text of an RTF file.</translation>
    </message>
    <message>
        <source>由一段文字排出。</source>
        <translation>Lay out a line of text.</translation>
    </message>
    <message>
        <source>--text 的颜色 (默认 red)。</source>
        <translation>Colour of --text (default red).</translation>
    </message>
    <message>
        <source>--text 的字号，单位磅 (默认 %1)。</source>
        <translation>Size of --text in points (default %1).</translation>
    </message>
    <message>
        <source>--text 的对齐 (默认 left)。</source>
        <translation>Alignment of --text (default left).</translation>
    </message>
    <message>
        <source>在节目表末尾添加一个节目，打印它的节目号。--picture、--rtf、--text 三选一。</source>
        <translation>Append a program to the library and print its number. Give one of --picture,
--rtf and --text.</translation>
    </message>
    <message>
        <source>add：--picture、--rtf、--text 须给出且只给出一个</source>
        <translation>add: give exactly one of --picture, --rtf and --text</translation>
    </message>
    <message>
        <source>超出节目最大数</source>
        <translation>Too many programs: the library is full</translation>
    </message>
    <message>
        <source>文件 %1 不存在</source>
        <translation>File %1 does not exist</translation>
    </message>
    <message>
        <source>文件 %1 超过 16 MiB，无法打开</source>
        <translation>File %1 is larger than 16 MiB and cannot be opened</translation>
    </message>
    <message>
        <source>无法在 %1 中建立节目文件夹</source>
        <translation>Cannot create the program folders in %1</translation>
    </message>
    <message>
        <source>无法删除文件 %1</source>
        <translation>Cannot delete file %1</translation>
    </message>
    <message>
        <source>文字超出节目高度，超出部分未保存
</source>
        <translation>The text is taller than the program; the part below was not saved
</translation>
    </message>
    <message>
        <source>添加一个节目 (图片、RTF或文字)</source>
        <translation>Add a program (picture, RTF or text)</translation>
    </message>
    <message>
        <source>%1,错误代码：%2</source>
        <translation>%1, error code: %2</translation>
    </message>
    <message>
        <source>--shared-home：这条命令会写入节目库或设置，不能用于共享的节目库</source>
        <translation>--shared-home: this command writes the library or the settings and cannot run on a shared library</translation>
    </message>
    <message>
        <source>--net 需要控制卡的地址</source>
        <translation>--net needs the controller&apos;s address</translation>
    </message>
    <message>
        <source>--serial 需要 --baud N（控制卡串口的波特率）</source>
        <translation>--serial needs --baud N (the baud rate of the controller&apos;s serial port)</translation>
    </message>
    <message>
        <source>打开串口失败</source>
        <translation>Opening the serial port failed</translation>
    </message>
    <message>
        <source>连接失败</source>
        <translation>Connection failed</translation>
    </message>
    <message>
        <source>显示这条命令的说明。</source>
        <translation>Show help on this command.</translation>
    </message>
    <message>
        <source>%1：参数个数不对，见 ledsignctl %1 --help</source>
        <translation>%1: wrong number of arguments, see ledsignctl %1 --help</translation>
    </message>
    <message>
        <source>%1 应为 %2 到 %3 之间的整数，而不是“%4”</source>
        <translation>%1 must be a whole number from %2 to %3, not &quot;%4&quot;</translation>
    </message>
    <message>
        <source>经TCP/IP连接 (over TCP/IP).</source>
        <translation>Connect over TCP/IP.</translation>
    </message>
    <message>
        <source>经串口连接 (over a serial line).</source>
        <translation>Connect over a serial port.</translation>
    </message>
    <message>
        <source>串口波特率，默认115200 (serial speed).</source>
        <translation>Serial baud rate, default 115200.</translation>
    </message>
    <message>
        <source>大屏应有的宽×高 (the size the sign should have).</source>
        <translation>The width × height the sign should have.</translation>
    </message>
    <message>
        <source>大屏的名称。</source>
        <translation>The sign&apos;s name.</translation>
    </message>
    <message>
        <source>在大屏列表中加入一个大屏：--net HOST[:PORT] 或 --serial DEVICE [--baud N]。</source>
        <translation>Add a sign to the sign list: --net HOST[:PORT] or --serial DEVICE [--baud N].</translation>
    </message>
    <message>
        <source>sign add 需要 --net 或 --serial 之一</source>
        <translation>sign add needs one of --net and --serial</translation>
    </message>
    <message>
        <source>--baud 只用于 --serial</source>
        <translation>--baud goes only with --serial</translation>
    </message>
    <message>
        <source>--size 应为 宽x高，例如 320x64</source>
        <translation>--size must be WIDTHxHEIGHT, e.g. 320x64</translation>
    </message>
    <message>
        <source>--size 宽</source>
        <translation>--size width</translation>
    </message>
    <message>
        <source>--size 高</source>
        <translation>--size height</translation>
    </message>
    <message>
        <source>从大屏列表中删除一个大屏。</source>
        <translation>Remove a sign from the sign list.</translation>
    </message>
    <message>
        <source>大屏列表中没有“%1”</source>
        <translation>The sign list has no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>列出大屏列表。</source>
        <translation>Show the sign list.</translation>
    </message>
    <message>
        <source>用法: ledsignctl sign add NAME --net HOST[:PORT] | --serial DEVICE [--baud N] [--size WxH]
      ledsignctl sign remove NAME
      ledsignctl sign list [--json]
大屏列表保存在节目库文件夹的 signs.ini 中。
</source>
        <translation>Usage: ledsignctl sign add NAME --net HOST[:PORT] | --serial DEVICE [--baud N] [--size WxH]
       ledsignctl sign remove NAME
       ledsignctl sign list [--json]
The sign list is kept in signs.ini in the library folder.
</translation>
    </message>
    <message>
        <source>sign 需要 add、remove 或 list，见 ledsignctl sign --help</source>
        <translation>sign needs add, remove or list, see ledsignctl sign --help</translation>
    </message>
    <message>
        <source>大屏列表为空，见 ledsignctl sign add --help</source>
        <translation>The sign list is empty, see ledsignctl sign add --help</translation>
    </message>
    <message>
        <source>%1×%2 型号%3 节目数%4 版本%5</source>
        <translation>%1×%2 model %3 programs %4 version %5</translation>
    </message>
    <message>
        <source> 时差%1%2秒</source>
        <translation> clock offset %1%2 s</translation>
    </message>
    <message>
        <source> 亮度%1</source>
        <translation> brightness %1</translation>
    </message>
    <message numerus="yes">
        <source>%n个节目</source>
        <translation>
            <numerusform>%n program</numerusform>
            <numerusform>%n programs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  已取消
</source>
        <translation>%1  cancelled
</translation>
    </message>
    <message numerus="yes">
        <source>共%n个大屏：%1个成功，%2个失败
</source>
        <translation>
            <numerusform>%n sign: %1 succeeded, %2 failed
</numerusform>
            <numerusform>%n signs: %1 succeeded, %2 failed
</numerusform>
        </translation>
    </message>
    <message>
        <source>同时进行的大屏数，默认8 (signs at once).</source>
        <translation>Signs at once, default 8.</translation>
    </message>
    <message>
        <source>未开始的大屏已取消，进行中的会先完成；再按一次 Ctrl-C 立即结束。</source>
        <translation>The signs not yet started are cancelled, the running ones finish first; press Ctrl-C again to end at once.</translation>
    </message>
    <message>
        <source>大屏的名称；不给时为全部。</source>
        <translation>The signs&apos; names; all signs when none is given.</translation>
    </message>
    <message>
        <source>全部成功时退出码为0，否则为1。</source>
        <translation>The exit status is 0 when all succeed, else 1.</translation>
    </message>
    <message>
        <source>同时查询多个大屏的状态，每个大屏完成时输出一行，最后是汇总。</source>
        <translation>Query the status of many signs at once: one line for each sign as it finishes,
then a summary.</translation>
    </message>
    <message>
        <source>把节目库同时发送到多个大屏，每个大屏完成时输出一行，最后是汇总。
节目大小与大屏不符或控制卡型号不能显示的大屏不发送。</source>
        <translation>Send the library to many signs at once: one line for each sign as it finishes,
then a summary. A sign whose size does not match the programs, or whose
controller model cannot show them, is not sent to.</translation>
    </message>
    <message>
        <source>fleet 使用大屏列表，不能与 --net、--serial 或 --sign 同用</source>
        <translation>fleet uses the sign list and cannot be combined with --net, --serial or --sign</translation>
    </message>
    <message>
        <source>用法: ledsignctl fleet status [--json] [--jobs N] [NAME…]
      ledsignctl fleet send [--json] [--jobs N] [NAME…]
对大屏列表中的多个大屏同时操作，每个大屏在自己的进程中进行；
全部成功时退出码为0，否则为1。
</source>
        <translation>Usage: ledsignctl fleet status [--json] [--jobs N] [NAME…]
       ledsignctl fleet send [--json] [--jobs N] [NAME…]
Works on several signs of the sign list at once, each in its own process;
the exit status is 0 when all succeed, else 1.
</translation>
    </message>
    <message>
        <source>fleet 需要 status 或 send，见 ledsignctl fleet --help</source>
        <translation>fleet needs status or send, see ledsignctl fleet --help</translation>
    </message>
    <message>
        <source>大屏列表中没有“%1”，见 ledsignctl sign list</source>
        <translation>The sign list has no &quot;%1&quot;, see ledsignctl sign list</translation>
    </message>
    <message>
        <source>大屏列表：add、remove、list (the sign list: add, remove, list)</source>
        <translation>The sign list: add, remove, list</translation>
    </message>
    <message>
        <source>同时对多个大屏：status、send (many signs at once: status, send)</source>
        <translation>Many signs at once: status, send</translation>
    </message>
    <message>
        <source>节目表为空，没有节目%1</source>
        <translation>The library is empty, there is no program %1</translation>
    </message>
    <message>
        <source>节目号</source>
        <translation>program number</translation>
    </message>
    <message>
        <source>列出节目表：节目号、尺寸、颜色、播放方式、播放速度、停留时间、文本或图片。--json 时输出一个数组。</source>
        <translation>List the library: program number, size, colour, play mode, speed, dwell time,
text or picture. With --json, one array.</translation>
    </message>
    <message>
        <source>节目	尺寸	颜色	播放方式	播放速度	停留时间	内容
</source>
        <translation>Program	Size	Colour	Mode	Speed	Dwell time	Content
</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>text</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>节目表为空
</source>
        <translation>The library is empty
</translation>
    </message>
    <message>
        <source>节目号，从1起。</source>
        <translation>Program number, from 1.</translation>
    </message>
    <message>
        <source>改变节目N的播放方式、播放速度或停留时间。</source>
        <translation>Change program N&apos;s play mode, speed or dwell time.</translation>
    </message>
    <message>
        <source>set-program：请给出 --mode、--speed 或 --dwell</source>
        <translation>set-program: give --mode, --speed or --dwell</translation>
    </message>
    <message>
        <source>删除节目N，其后的节目号各减一（图片、设置与文本一起）。</source>
        <translation>Delete program N; the programs after it move down by one (picture, settings and text together).</translation>
    </message>
    <message>
        <source>清空节目表：删除全部节目的图片、设置与文本。</source>
        <translation>Clear the library: delete the pictures, settings and texts of all programs.</translation>
    </message>
    <message>
        <source>目标文件夹。</source>
        <translation>The target folder.</translation>
    </message>
    <message>
        <source>把节目表（各节目的图片与 set.ini）导出到文件夹DIR。</source>
        <translation>Export the library (each program&apos;s picture and set.ini) to folder DIR.</translation>
    </message>
    <message>
        <source>文件夹 %1 不存在</source>
        <translation>Folder %1 does not exist</translation>
    </message>
    <message>
        <source>导出节目不能为空</source>
        <translation>There are no programs to export</translation>
    </message>
    <message>
        <source>导出节目成功
</source>
        <translation>Programs exported
</translation>
    </message>
    <message>
        <source>导出过的文件夹。</source>
        <translation>A folder exported before.</translation>
    </message>
    <message>
        <source>以文件夹DIR中的图片与 set.ini 替换节目表。</source>
        <translation>Replace the library with the pictures and set.ini in folder DIR.</translation>
    </message>
    <message>
        <source>节目表已导入，但无法删除旧节目的图片 %1</source>
        <translation>The library was imported, but the old program&apos;s picture %1 cannot be deleted</translation>
    </message>
    <message>
        <source>每个LED画成 Z×Z 像素 (1-16，默认1)。</source>
        <translation>Draw each LED as Z×Z pixels (1-16, default 1).</translation>
    </message>
    <message>
        <source>输出的PNG图片。</source>
        <translation>The PNG picture to write.</translation>
    </message>
    <message>
        <source>把节目N画成屏上显示的样子（按节目的颜色值，每个像素为LED的颜色），存为PNG图片。</source>
        <translation>Draw program N as the sign shows it (by the program&apos;s colour value, each pixel
in its LED&apos;s colour) and save it as a PNG picture.</translation>
    </message>
    <message>
        <source>节目%1的颜色值 %2 无效（应为0到3）</source>
        <translation>Program %1 has an invalid colour value %2 (must be 0 to 3)</translation>
    </message>
    <message>
        <source>--zoom %1 时图片过大</source>
        <translation>The picture is too large at --zoom %1</translation>
    </message>
    <message>
        <source>无法生成PNG图片</source>
        <translation>Cannot make the PNG picture</translation>
    </message>
    <message>
        <source>列出节目表</source>
        <translation>List the library</translation>
    </message>
    <message>
        <source>改变节目的播放方式、速度、停留时间</source>
        <translation>Change a program&apos;s play mode, speed, dwell time</translation>
    </message>
    <message>
        <source>删除一个节目</source>
        <translation>Delete a program</translation>
    </message>
    <message>
        <source>清空节目表</source>
        <translation>Clear the library</translation>
    </message>
    <message>
        <source>导出节目表到文件夹</source>
        <translation>Export the library to a folder</translation>
    </message>
    <message>
        <source>从文件夹导入节目表</source>
        <translation>Import the library from a folder</translation>
    </message>
    <message>
        <source>把节目画成屏上的样子 (PNG)</source>
        <translation>Draw a program as the sign shows it (PNG)</translation>
    </message>
    <message>
        <source>播放方式 0-15。</source>
        <translation>Play mode 0-15.</translation>
    </message>
    <message>
        <source>播放速度 0-5 (0 最快)。</source>
        <translation>Play speed 0-5 (0 fastest).</translation>
    </message>
    <message>
        <source>停留时间 0-255 秒。</source>
        <translation>Dwell time 0-255 seconds.</translation>
    </message>
    <message>
        <source>进度以JSON逐行输出到标准输出 (progress as one JSON object per line).</source>
        <translation>Progress on standard output as one JSON object per line.</translation>
    </message>
    <message>
        <source>获取LED控制卡型号失败</source>
        <translation>Fetching the controller&apos;s model failed</translation>
    </message>
    <message>
        <source>获取节目数失败</source>
        <translation>Fetching the program count failed</translation>
    </message>
    <message>
        <source>连接控制卡，显示屏幕宽高、型号、节目数、版本、时间及与本机的时差、亮度和开关时间。
clock_offset_s：控制卡时间减本机时间（秒），正数表示控制卡快。</source>
        <translation>Connect to the controller and show the sign&apos;s width and height, model, program
count, version, clock and its offset from this computer, brightness and
switch-on/off times.
clock_offset_s: the controller&apos;s clock minus this computer&apos;s, in seconds;
positive when the controller is ahead.</translation>
    </message>
    <message>
        <source>屏宽:     %1
屏高:     %2
型号:     %3
节目数:   %4
版本:     %5
</source>
        <translation>Width:      %1
Height:     %2
Model:      %3
Programs:   %4
Version:    %5
</translation>
    </message>
    <message>
        <source>时间:     %1</source>
        <translation>Clock:      %1</translation>
    </message>
    <message>
        <source> (比本机快 %1 秒)</source>
        <translation> (%1 s ahead of this computer)</translation>
    </message>
    <message>
        <source> (比本机慢 %1 秒)</source>
        <translation> (%1 s behind this computer)</translation>
    </message>
    <message>
        <source>亮度:     %1
开启时间: %2
关闭时间: %3
</source>
        <translation>Brightness: %1
Switch on:  %2
Switch off: %3
</translation>
    </message>
    <message>
        <source>每个节目的大小须与控制卡报告的屏幕大小相同，否则不发送 (refuse a library made for another sign size).</source>
        <translation>Refuse a library made for another sign size: every program must have the size the controller reports.</translation>
    </message>
    <message>
        <source>节目库已按这些型号检查过 (the library, a shared copy, was checked for these models).</source>
        <translation>The library, a shared copy, was already checked for these models.</translation>
    </message>
    <message>
        <source>把节目库的全部节目发送到控制卡，先按控制卡型号检查每个节目。</source>
        <translation>Send all programs of the library to the controller, checking each against the
controller&apos;s model first.</translation>
    </message>
    <message>
        <source>发送节目数目不能为0</source>
        <translation>There are no programs to send</translation>
    </message>
    <message>
        <source>发送</source>
        <comment>progress</comment>
        <translation>Sending</translation>
    </message>
    <message>
        <source>发送失败</source>
        <translation>Send failed</translation>
    </message>
    <message>
        <source>发送成功</source>
        <translation>Send succeeded</translation>
    </message>
    <message>
        <source>从控制卡获取全部节目，替换节目库（整体替换，失败时节目库不变）。</source>
        <translation>Fetch all programs from the controller and replace the library with them (all
at once; on failure the library stays as it was).</translation>
    </message>
    <message>
        <source>获取</source>
        <comment>progress</comment>
        <translation>Fetching</translation>
    </message>
    <message>
        <source>节目数为0</source>
        <translation>The program count is 0</translation>
    </message>
    <message>
        <source>控制卡报告有%1个节目，超过节目表能容纳的255个，未获取</source>
        <translation>The controller reports %1 programs, more than the 255 the library can hold; nothing fetched</translation>
    </message>
    <message>
        <source>获取节目失败</source>
        <translation>Fetching the programs failed</translation>
    </message>
    <message>
        <source>获取节目成功</source>
        <translation>Programs fetched</translation>
    </message>
    <message>
        <source>无法删除旧节目的文本文件，编辑这些节目前请先删除：
%1</source>
        <translation>Cannot delete the old programs&apos; text files; delete them before editing these programs:
%1</translation>
    </message>
    <message>
        <source>固件文件 (*.bin)。</source>
        <translation>Firmware file (*.bin).</translation>
    </message>
    <message>
        <source>升级控制卡的固件。</source>
        <translation>Upgrade the controller&apos;s firmware.</translation>
    </message>
    <message>
        <source>升级</source>
        <comment>progress</comment>
        <translation>Upgrading</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Upgrade failed</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Upgrade succeeded</translation>
    </message>
    <message>
        <source>重启控制卡。</source>
        <translation>Reboot the controller.</translation>
    </message>
    <message>
        <source>不询问，直接格式化 (do not ask).</source>
        <translation>Format without asking.</translation>
    </message>
    <message>
        <source>格式化控制卡（删除卡上的全部节目）。</source>
        <translation>Format the controller (deletes all programs on the card).</translation>
    </message>
    <message>
        <source>格式化需要确认：标准输入不是终端，请加 --yes</source>
        <translation>Formatting needs a confirmation: standard input is not a terminal, add --yes</translation>
    </message>
    <message>
        <source>是否格式化LED大屏! [y/N] </source>
        <translation>Format the LED sign? [y/N] </translation>
    </message>
    <message>
        <source>未格式化</source>
        <translation>Not formatted</translation>
    </message>
    <message>
        <source>格式化失败</source>
        <translation>Format failed</translation>
    </message>
    <message>
        <source>格式化成功</source>
        <translation>Format succeeded</translation>
    </message>
    <message>
        <source>在这个网卡地址上查找控制卡；不给时只列出本机网卡，不发任何数据。</source>
        <translation>Look for controllers on the network adapter of this address; without it, only list this computer&apos;s adapters and send nothing.</translation>
    </message>
    <message>
        <source>在本机的一个网卡上查找控制卡，列出其地址、掩码、网关和端口。</source>
        <translation>Look for controllers on one of this computer&apos;s network adapters and list their
address, mask, gateway and port.</translation>
    </message>
    <message>
        <source>本机没有地址为“%1”的网卡，见 ledsignctl discover</source>
        <translation>This computer has no network adapter with the address &quot;%1&quot;, see ledsignctl discover</translation>
    </message>
    <message>
        <source>查询失败</source>
        <translation>The search failed</translation>
    </message>
    <message>
        <source>结果以JSON输出 (results as JSON).</source>
        <translation>Results as JSON.</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Fetch failed</translation>
    </message>
    <message>
        <source>获取失败：%1</source>
        <translation>Fetch failed: %1</translation>
    </message>
    <message>
        <source>获取失败：开关时间“%1”无法识别</source>
        <translation>Fetch failed: the switch-on/off times &quot;%1&quot; cannot be read</translation>
    </message>
    <message>
        <source>获取宽高失败</source>
        <translation>Fetching the width and height failed</translation>
    </message>
    <message>
        <source>获取宽高失败：控制卡报告的屏幕尺寸无效（%1 × %2），每边应在 1 到 %3 之间</source>
        <translation>Fetching the width and height failed: the controller reports an invalid sign size (%1 × %2); each side must be from 1 to %3</translation>
    </message>
    <message>
        <source>控制卡的状态 (the sign&apos;s size, model, clock …)</source>
        <translation>The controller&apos;s status (size, model, clock …)</translation>
    </message>
    <message>
        <source>发送全部节目 (send the whole library)</source>
        <translation>Send the whole library</translation>
    </message>
    <message>
        <source>获取全部节目 (fetch the card&apos;s library)</source>
        <translation>Fetch the controller&apos;s library</translation>
    </message>
    <message>
        <source>升级固件 (upgrade the firmware)</source>
        <translation>Upgrade the firmware</translation>
    </message>
    <message>
        <source>重启控制卡 (reboot the card)</source>
        <translation>Reboot the controller</translation>
    </message>
    <message>
        <source>格式化控制卡 (format the card)</source>
        <translation>Format the controller</translation>
    </message>
    <message>
        <source>在网卡上查找控制卡 (find cards on a network adapter)</source>
        <translation>Find controllers on a network adapter</translation>
    </message>
    <message>
        <source>传输进行中，会先完成这次传输（控制卡和节目库保持完整的旧内容或新内容）；再按一次 Ctrl-C 立即结束。</source>
        <translation>A transfer is running and finishes first (the controller and the library keep either all the old or all the new content); press Ctrl-C again to end at once.</translation>
    </message>
    <message>
        <source>  %1 / %2 字节</source>
        <translation>  %1 / %2 bytes</translation>
    </message>
    <message>
        <source>命令 (commands):</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>每条命令的说明：ledsignctl COMMAND --help</source>
        <translation>Help on a command: ledsignctl COMMAND --help</translation>
    </message>
    <message>
        <source>退出码 (exit status):
  0  成功 (success)
  1  控制卡拒绝或失败，打印链接库的结果代码；fleet：至少一个大屏未成功
     (the controller refused or failed; fleet: a sign did not succeed)
  2  用法或输入有误，没有写入任何文件 (bad usage or bad input; nothing written)
  3  节目库文件夹被另一个程序锁定 (the home is locked by another process)
</source>
        <translation>Exit status:
  0  success
  1  the controller refused or failed (the link library&apos;s result code is
     printed); fleet: at least one sign did not succeed
  2  bad usage or bad input; nothing written
  3  the library folder is locked by another program
</translation>
    </message>
    <message>
        <source>LED屏节目库与控制卡的命令行工具 (the LED sign editor&apos;s operations from the command line)</source>
        <translation>The LED sign editor&apos;s operations from the command line.</translation>
    </message>
    <message>
        <source>显示说明 (show this help).</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>显示版本 (show the version).</source>
        <translation>Show the version.</translation>
    </message>
    <message>
        <source>节目库文件夹 (the home: set.ini, Program/, Rtf/).</source>
        <translation>The library folder (set.ini, Program/, Rtf/).</translation>
    </message>
    <message>
        <source>经TCP/IP连接控制卡 (reach the card over TCP/IP).</source>
        <translation>Reach the controller over TCP/IP.</translation>
    </message>
    <message>
        <source>经串口连接控制卡 (reach the card over a serial line).</source>
        <translation>Reach the controller over a serial port.</translation>
    </message>
    <message>
        <source>串口波特率 (serial speed).</source>
        <translation>Serial baud rate.</translation>
    </message>
    <message>
        <source>应答超时 (reply timeout, milliseconds).</source>
        <translation>Reply timeout in milliseconds.</translation>
    </message>
    <message>
        <source>连接大屏列表中这个名称的大屏 (reach the sign of this name in the sign list).</source>
        <translation>Reach the sign of this name in the sign list.</translation>
    </message>
    <message>
        <source>节目库只读、不加锁，供同时发送到多个大屏 (the home is a read-only copy shared by several processes: no lock; commands that write refuse).</source>
        <translation>The library is a read-only copy shared by several processes: no lock; commands that write refuse.</translation>
    </message>
    <message>
        <source>界面语言：zh 中文，en 英文；默认随系统 (LC_ALL、LC_MESSAGES、LANG)。</source>
        <translation>Language: zh Chinese, en English; by default the system&apos;s (LC_ALL, LC_MESSAGES, LANG).</translation>
    </message>
    <message>
        <source>见下 (see below).</source>
        <translation>See below.</translation>
    </message>
    <message>
        <source>缺少命令，见 ledsignctl --help</source>
        <translation>No command given, see ledsignctl --help</translation>
    </message>
    <message>
        <source>--net、--serial 和 --sign 只能选一个</source>
        <translation>Give only one of --net, --serial and --sign</translation>
    </message>
    <message>
        <source>未知的命令“%1”，见 ledsignctl --help</source>
        <translation>Unknown command &quot;%1&quot;, see ledsignctl --help</translation>
    </message>
    <message>
        <source>serial：RS485 口而不是 RS232 口（仅TCP/IP连接）。</source>
        <translation>serial: the RS485 port instead of the RS232 port (over TCP/IP only).</translation>
    </message>
    <message>
        <source>参数个数不对：%1</source>
        <translation>Wrong number of values: %1</translation>
    </message>
    <message>
        <source>RS485 参数只能经TCP/IP连接读写</source>
        <translation>RS485 parameters can be read and changed only over TCP/IP</translation>
    </message>
    <message>
        <source>修改成功</source>
        <translation>Change succeeded</translation>
    </message>
    <message>
        <source>修改失败</source>
        <translation>Change failed</translation>
    </message>
    <message>
        <source>时间应为 HH:MM，而不是“%1”</source>
        <translation>The time must be HH:MM, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>数据格式无效：“%1”不是IPv4地址</source>
        <translation>Invalid data: &quot;%1&quot; is not an IPv4 address</translation>
    </message>
    <message>
        <source>读取控制卡的一个参数，输出格式与 set 的参数相同。</source>
        <translation>Read one controller parameter, printed in the form set takes it.</translation>
    </message>
    <message>
        <source>未知的参数“%1”，可用：%2</source>
        <translation>Unknown parameter &quot;%1&quot;; available: %2</translation>
    </message>
    <message>
        <source>--rs485 只用于 serial</source>
        <translation>--rs485 goes only with serial</translation>
    </message>
    <message>
        <source>scan：数据信号反向。</source>
        <translation>scan: inverted data signal.</translation>
    </message>
    <message>
        <source>scan：OE高有效。</source>
        <translation>scan: OE active high.</translation>
    </message>
    <message>
        <source>参数名。</source>
        <translation>Parameter name.</translation>
    </message>
    <message>
        <source>参数值。</source>
        <translation>Parameter value.</translation>
    </message>
    <message>
        <source>修改控制卡的一个参数：
  size W H                 屏宽和屏高 (1-4096)
  brightness N             亮度 (1-32)
  daynight DAY NIGHT       白天和晚上亮度 (1-32)
  onoff HH:MM HH:MM        开启和关闭时间
  clock now|YYYY-MM-DDTHH:MM:SS  校时
  scan CODE [--inverted] [--oe-high]  扫描方式 (get scan 的代码 0-15)
  serial BAUD none|even|odd 1|2 [--rs485]  串口参数
  net IP MASK GATEWAY PORT 网络参数</source>
        <translation>Change one controller parameter:
  size W H                 sign width and height (1-4096)
  brightness N             brightness (1-32)
  daynight DAY NIGHT       day and night brightness (1-32)
  onoff HH:MM HH:MM        switch-on and switch-off times
  clock now|YYYY-MM-DDTHH:MM:SS  set the clock
  scan CODE [--inverted] [--oe-high]  scan mode (0-15, as get scan prints it)
  serial BAUD none|even|odd 1|2 [--rs485]  serial port parameters
  net IP MASK GATEWAY PORT network parameters</translation>
    </message>
    <message>
        <source>未知或只读的参数“%1”，见 ledsignctl set --help</source>
        <translation>Unknown or read-only parameter &quot;%1&quot;, see ledsignctl set --help</translation>
    </message>
    <message>
        <source>屏宽</source>
        <translation>sign width</translation>
    </message>
    <message>
        <source>屏高</source>
        <translation>sign height</translation>
    </message>
    <message>
        <source>设置成功</source>
        <translation>Setting succeeded</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Setting failed</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>brightness</translation>
    </message>
    <message>
        <source>白天亮度</source>
        <translation>day brightness</translation>
    </message>
    <message>
        <source>晚上亮度</source>
        <translation>night brightness</translation>
    </message>
    <message>
        <source>时间应为 now 或 2000 到 2099 年的 YYYY-MM-DDTHH:MM:SS，而不是“%1”</source>
        <translation>The time must be now or YYYY-MM-DDTHH:MM:SS in the years 2000 to 2099, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>校时成功</source>
        <translation>Clock set</translation>
    </message>
    <message>
        <source>校时失败</source>
        <translation>Setting the clock failed</translation>
    </message>
    <message>
        <source>扫描代码</source>
        <translation>scan code</translation>
    </message>
    <message>
        <source>串口参数应为波特率（%1）、none|even|odd、1|2</source>
        <translation>The serial parameters must be a baud rate (%1), none|even|odd and 1|2</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>port</translation>
    </message>
    <message>
        <source>输入口 IO1-IO6 的编号 1-6。</source>
        <translation>The number 1-6 of input line IO1-IO6.</translation>
    </message>
    <message>
        <source>这个输入口播放的节目号（从1起，最多16个）；不给时显示当前列表。</source>
        <translation>The numbers of the programs this input line plays (from 1, at most 16); without them, show the current list.</translation>
    </message>
    <message>
        <source>读取或设置一个输入口的节目列表。</source>
        <translation>Read or set an input line&apos;s program list.</translation>
    </message>
    <message>
        <source>输入口</source>
        <translation>input line</translation>
    </message>
    <message>
        <source>无效的节目：节目%1（控制卡有%2个节目），未下发</source>
        <translation>Invalid program %1 (the controller holds %2 programs); nothing sent</translation>
    </message>
    <message>
        <source>无效的节目：%1，未下发</source>
        <translation>Invalid program: %1; nothing sent</translation>
    </message>
    <message>
        <source>下发成功</source>
        <translation>Send succeeded</translation>
    </message>
    <message>
        <source>下发失败</source>
        <translation>Send failed</translation>
    </message>
    <message>
        <source>读取控制卡参数 (read a controller parameter)</source>
        <translation>Read a controller parameter</translation>
    </message>
    <message>
        <source>修改控制卡参数 (change a controller parameter)</source>
        <translation>Change a controller parameter</translation>
    </message>
    <message>
        <source>输入口的节目列表 (an input line&apos;s programs)</source>
        <translation>An input line&apos;s programs</translation>
    </message>
    <message>
        <source>--size 应为 宽x高，而不是“%1”</source>
        <translation>--size must be WIDTHxHEIGHT, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--size 的宽</source>
        <translation>the width of --size</translation>
    </message>
    <message>
        <source>--size 的高</source>
        <translation>the height of --size</translation>
    </message>
    <message>
        <source>%1 应为 %2 之一，而不是“%3”</source>
        <translation>%1 must be one of %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>无法编码原图</source>
        <translation>Cannot encode the source picture</translation>
    </message>
    <message>
        <source>节目的尺寸 (the program&apos;s size).</source>
        <translation>The program&apos;s size.</translation>
    </message>
    <message>
        <source>缩放：inside 留黑边，fill 裁剪，stretch 拉伸。</source>
        <translation>Scaling: inside keeps black borders, fill crops, stretch stretches.</translation>
    </message>
    <message>
        <source>水平位置。</source>
        <translation>Horizontal position.</translation>
    </message>
    <message>
        <source>颜色：threshold 按阈值分色，dither 抖动，red/green/yellow 单色。</source>
        <translation>Colours: threshold splits by brightness, dither dithers, red/green/yellow one colour.</translation>
    </message>
    <message>
        <source>亮度阈值 1..255 (default 128).</source>
        <translation>Brightness threshold 1..255 (default 128).</translation>
    </message>
    <message>
        <source>单色时反色 (one colour: dark parts lit).</source>
        <translation>One colour: light the dark parts.</translation>
    </message>
    <message>
        <source>另存节目所需大小的原图，PNG (also write the source as large as the program needs it, for the editor&apos;s live options).</source>
        <translation>Also write the source picture, as large as the program needs it, as PNG (for the editor&apos;s live options).</translation>
    </message>
    <message>
        <source>图片文件。</source>
        <translation>Picture file.</translation>
    </message>
    <message>
        <source>转换后的节目图片 (24-bit BMP)。</source>
        <translation>The converted program picture (24-bit BMP).</translation>
    </message>
    <message>
        <source>把图片转换为节目图片 (convert a picture into a program picture).</source>
        <translation>Convert a picture into a program picture.</translation>
    </message>
    <message>
        <source>convert 需要 --size 宽x高</source>
        <translation>convert needs --size WIDTHxHEIGHT</translation>
    </message>
    <message>
        <source>原图 %1x%2
</source>
        <translation>Source picture %1x%2
</translation>
    </message>
    <message>
        <source>图片 %1 过大或过于复杂，内存不足</source>
        <translation>Picture %1 is too large or too complex: out of memory</translation>
    </message>
    <message>
        <source>把图片转换为节目图片 (BMP)，不需要节目库</source>
        <translation>Convert a picture to a program picture (BMP); no library needed</translation>
    </message>
</context>
</TS>

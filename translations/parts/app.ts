<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BaudQueryPage</name>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
</context>
<context>
    <name>EditorRules</name>
    <message>
        <source>LED 屏宽:%1 屏高:%2</source>
        <translation>Sign width: %1, height: %2</translation>
    </message>
    <message>
        <source>节目 屏宽:%1 屏高:%2</source>
        <translation>Program width: %1, height: %2</translation>
    </message>
</context>
<context>
    <name>IpQueryPage</name>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>网卡</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>网关</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
</context>
<context>
    <name>NetPage</name>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
</context>
<context>
    <name>SerialPage</name>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>超时(ms)</source>
        <translation>Timeout (ms)</translation>
    </message>
</context>
<context>
    <name>TCommForm</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>通讯配置</source>
        <translation>Communication settings</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>波特率查询</source>
        <translation>Find baud rate</translation>
    </message>
    <message>
        <source>IP查询</source>
        <translation>Find IP</translation>
    </message>
    <message>
        <source>没有找到串口，设置没有保存</source>
        <translation>No serial port was found; the settings were not saved.</translation>
    </message>
    <message>
        <source>“超时(ms)”必须是十进制整数，设置没有保存</source>
        <translation>&quot;Timeout (ms)&quot; must be a whole decimal number; the settings were not saved.</translation>
    </message>
    <message>
        <source>“端口”必须是十进制整数，设置没有保存</source>
        <translation>&quot;Port&quot; must be a whole decimal number; the settings were not saved.</translation>
    </message>
    <message>
        <source>没有找到串口</source>
        <translation>No serial port was found.</translation>
    </message>
    <message>
        <source>检查硬件链路是否正常</source>
        <translation>Check that the hardware link works.</translation>
    </message>
    <message>
        <source>波特率为：%1</source>
        <translation>Baud rate: %1</translation>
    </message>
</context>
<context>
    <name>TLedViewForm</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>节目%1的图片无法读取，不能预览。
%2</source>
        <translation>The picture of program %1 cannot be read, so it cannot be previewed.
%2</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>正在连接…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>打开串口失败</source>
        <translation>Could not open the serial port.</translation>
    </message>
    <message>
        <source>获取宽高失败 错误码:%1</source>
        <translation>Could not get the sign&apos;s size. Error code: %1</translation>
    </message>
    <message>
        <source>连接失败 错误代码:%1</source>
        <translation>Could not connect. Error code: %1</translation>
    </message>
    <message>
        <source>获取宽高失败</source>
        <translation>Could not get the sign&apos;s size.</translation>
    </message>
    <message>
        <source>获取宽高失败：控制卡报告的屏幕尺寸无效（%1 × %2），每边应在 1 到 %3 之间</source>
        <translation>Could not get the sign&apos;s size: the controller reported an invalid size (%1 × %2); each side must be between 1 and %3.</translation>
    </message>
    <message>
        <source>获取节目数失败</source>
        <translation>Could not get the number of programs.</translation>
    </message>
    <message>
        <source>获取LED控制卡型号失败</source>
        <translation>Could not get the controller&apos;s model.</translation>
    </message>
    <message>
        <source>LED屏 %1×%2 超出控制卡的节目尺寸：%3。新节目须改小尺寸后才能发送。</source>
        <translation>The sign&apos;s size %1×%2 is beyond the controller&apos;s program size: %3. New programs must be made smaller before they can be sent.</translation>
    </message>
    <message>
        <source>正在断开…</source>
        <translation>Disconnecting…</translation>
    </message>
    <message>
        <source>获取心跳包失败</source>
        <translation>The controller did not answer the heartbeat; the connection is closed.</translation>
    </message>
    <message>
        <source>是否格式化LED大屏!</source>
        <translation>Format the sign?</translation>
    </message>
    <message>
        <source>正在格式化…</source>
        <translation>Formatting…</translation>
    </message>
    <message>
        <source>格式化成功</source>
        <translation>The sign was formatted.</translation>
    </message>
    <message>
        <source>格式化失败</source>
        <translation>Formatting failed.</translation>
    </message>
    <message>
        <source>是否重启LED大屏!</source>
        <translation>Restart the sign?</translation>
    </message>
    <message>
        <source>正在重启…</source>
        <translation>Restarting…</translation>
    </message>
    <message>
        <source>发送成功</source>
        <translation>Sent.</translation>
    </message>
    <message>
        <source>发送失败</source>
        <translation>Sending failed.</translation>
    </message>
    <message>
        <source>立即显示（无特效）</source>
        <translation>At once (no effect)</translation>
    </message>
    <message>
        <source>左移</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>右移</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>左开</source>
        <translation>Open from left</translation>
    </message>
    <message>
        <source>右开</source>
        <translation>Open from right</translation>
    </message>
    <message>
        <source>上开</source>
        <translation>Open from top</translation>
    </message>
    <message>
        <source>下开</source>
        <translation>Open from bottom</translation>
    </message>
    <message>
        <source>闪烁</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>斜角进入</source>
        <translation>Diagonal in</translation>
    </message>
    <message>
        <source>反斜角进入</source>
        <translation>Reverse diagonal in</translation>
    </message>
    <message>
        <source>向左移入并移出</source>
        <translation>Move in and out left</translation>
    </message>
    <message>
        <source>向右移入并移出</source>
        <translation>Move in and out right</translation>
    </message>
    <message>
        <source>递减条竖</source>
        <translation>Shrinking bars, vertical</translation>
    </message>
    <message>
        <source>递减条横</source>
        <translation>Shrinking bars, horizontal</translation>
    </message>
    <message>
        <source>最快</source>
        <translation>Fastest</translation>
    </message>
    <message>
        <source>较快</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>较慢</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>最慢</source>
        <translation>Slowest</translation>
    </message>
    <message>
        <source>LED双色屏节目编辑与控制</source>
        <translation>Two-colour LED sign editor and controller</translation>
    </message>
    <message>
        <source>系统(&amp;S)</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>导出(&amp;O)</source>
        <translation>Exp&amp;ort…</translation>
    </message>
    <message>
        <source>导入(&amp;I)</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>导入图片(&amp;P)</source>
        <translation>Import &amp;picture…</translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>配置(&amp;S)</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message>
        <source>通讯方式(&amp;T)</source>
        <translation>Connection &amp;type</translation>
    </message>
    <message>
        <source>串口(&amp;C)</source>
        <translation>&amp;Serial port</translation>
    </message>
    <message>
        <source>TCP/IP(&amp;T)</source>
        <translation>&amp;TCP/IP</translation>
    </message>
    <message>
        <source>通讯配置(&amp;S)</source>
        <translation>&amp;Communication settings…</translation>
    </message>
    <message>
        <source>大屏参数(&amp;L)</source>
        <translation>Sign &amp;parameters…</translation>
    </message>
    <message>
        <source>控制(&amp;K)</source>
        <translation>&amp;Control</translation>
    </message>
    <message>
        <source>获取节目(&amp;G)</source>
        <translation>&amp;Fetch programs…</translation>
    </message>
    <message>
        <source>节目控制(&amp;C)</source>
        <translation>Program &amp;control…</translation>
    </message>
    <message>
        <source>格式化(&amp;G)</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>重启(&amp;R)</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>远程升级(&amp;F)</source>
        <translation>Remote &amp;upgrade…</translation>
    </message>
    <message>
        <source>大屏管理(&amp;M)</source>
        <translation>Sign &amp;management…</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>连接大屏</source>
        <translation>Connect to the sign</translation>
    </message>
    <message>
        <source>断开与大屏的连接</source>
        <translation>Disconnect from the sign</translation>
    </message>
    <message>
        <source>新建节目</source>
        <translation>New program</translation>
    </message>
    <message>
        <source>删除选中的节目</source>
        <translation>Delete the selected program</translation>
    </message>
    <message>
        <source>用文本编辑器编辑选中的节目</source>
        <translation>Edit the selected program in the text editor</translation>
    </message>
    <message>
        <source>为选中的节目加载BMP图片</source>
        <translation>Load a BMP picture into the selected program</translation>
    </message>
    <message>
        <source>导入图片：任意格式的图片转换为LED颜色</source>
        <translation>Import picture: a picture of any format, converted to the LED colours</translation>
    </message>
    <message>
        <source>预览选中的节目</source>
        <translation>Preview the selected program</translation>
    </message>
    <message>
        <source>把节目表发送到大屏</source>
        <translation>Send the program list to the sign</translation>
    </message>
    <message>
        <source>播放方式</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>播放速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>停留时间(单位:s)</source>
        <translation>Dwell time (s)</translation>
    </message>
    <message>
        <source>新节目表</source>
        <translation>Program list</translation>
    </message>
    <message>
        <source>节目%1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <source>发布信息</source>
        <translation>Publishing info</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>已连接 串口 %1 %2</source>
        <translation>Connected: %1, %2 baud</translation>
    </message>
    <message>
        <source>已连接 TCP/IP %1:%2</source>
        <translation>Connected: %1:%2</translation>
    </message>
    <message>
        <source>型号%1</source>
        <translation>model %1</translation>
    </message>
    <message>
        <source>请选择你要显示的节目表!</source>
        <translation>Please choose the program to show.</translation>
    </message>
    <message>
        <source>请选择你要编辑的节目表!</source>
        <translation>Please choose the program to edit.</translation>
    </message>
    <message>
        <source>超出节目最大数</source>
        <translation>The library already holds the largest number of programs.</translation>
    </message>
    <message>
        <source>请选择你要删除的节目表!</source>
        <translation>Please choose the program to delete.</translation>
    </message>
    <message>
        <source>加载图片</source>
        <translation>Load picture</translation>
    </message>
    <message>
        <source>BMP 图片 (*.bmp);;所有文件 (*)</source>
        <translation>BMP pictures (*.bmp);;All files (*)</translation>
    </message>
    <message>
        <source>图片文件 %1</source>
        <translation>Picture file %1</translation>
    </message>
    <message>
        <source>加载图片尺寸与屏宽高不一致!</source>
        <translation>The picture&apos;s size does not match the program&apos;s width and height.</translation>
    </message>
    <message>
        <source>图片中有LED屏显示不出的颜色（屏上只有红、绿、黄三色），屏上的画面会与图片不同。要看到屏上的效果，请用“导入图片”转换。</source>
        <translation>The picture has colours the sign cannot show (it shows only red, green and yellow), so the sign will not look like the picture. To see what the sign will show, convert it with &quot;Import picture&quot;.</translation>
    </message>
    <message>
        <source>导出节目不能为空</source>
        <translation>There are no programs to export.</translation>
    </message>
    <message>
        <source>导出到文件夹</source>
        <translation>Export to folder</translation>
    </message>
    <message>
        <source>导出节目成功</source>
        <translation>The programs were exported.</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Import from folder</translation>
    </message>
</context>
<context>
    <name>TPictureImportForm</name>
    <message>
        <source>图片 (%1);;所有文件 (*)</source>
        <translation>Pictures (%1);;All files (*)</translation>
    </message>
    <message>
        <source>导入图片</source>
        <translation>Import picture</translation>
    </message>
    <message>
        <source>原图</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>转换结果（LED 颜色）</source>
        <translation>Result (LED colours)</translation>
    </message>
    <message>
        <source>适应（留黑边）</source>
        <translation>Fit (black borders)</translation>
    </message>
    <message>
        <source>填满（裁剪）</source>
        <translation>Fill (crop)</translation>
    </message>
    <message>
        <source>拉伸</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>靠左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>靠右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>按阈值分色</source>
        <translation>By threshold</translation>
    </message>
    <message>
        <source>抖动（误差扩散）</source>
        <translation>Dither (error diffusion)</translation>
    </message>
    <message>
        <source>单色</source>
        <translation>One colour</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>反色</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>单色颜色</source>
        <translation>Ink</translation>
    </message>
    <message>
        <source>亮度阈值</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>原图 %1×%2，节目%3 %4×%5，放大 %6 倍显示</source>
        <translation>Original %1×%2; program %3, %4×%5; shown %6 times larger</translation>
    </message>
    <message>
        <source>原图 %1×%2，节目%3 %4×%5</source>
        <translation>Original %1×%2; program %3, %4×%5</translation>
    </message>
    <message>
        <source>图片文件 %1</source>
        <translation>Picture file %1</translation>
    </message>
    <message>
        <source>无法建立临时文件夹，不能读取图片</source>
        <translation>Could not create a temporary folder, so the picture cannot be read.</translation>
    </message>
    <message>
        <source>正在读取图片…</source>
        <translation>Reading the picture…</translation>
    </message>
    <message>
        <source>无法启动图片转换程序 %1，不能读取图片</source>
        <translation>Could not start the picture converter %1, so the picture cannot be read.</translation>
    </message>
    <message>
        <source>%1 读取超过 %2 秒，已停止：图片可能过于复杂或已损坏</source>
        <translation>%1: reading took longer than %2 s and was stopped. The picture may be too complex or damaged.</translation>
    </message>
    <message>
        <source>%1 读取失败：转换程序没有给出可用的图片</source>
        <translation>%1 could not be read: the converter gave no usable picture.</translation>
    </message>
</context>
<context>
    <name>TWordsForm</name>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>“文本”窗口中未保存的修改已放弃：节目表已被替换（获取节目、导入或更改大屏尺寸），正在编辑的节目已不存在。</source>
        <translation>The unsaved changes in the &quot;Text&quot; window were discarded: the program list was replaced (by a fetch, an import or a new sign size) and the program being edited no longer exists.</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>行距</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>单倍</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>1.5倍</source>
        <translation>1.5 lines</translation>
    </message>
    <message>
        <source>2.0倍</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>At least</translation>
    </message>
    <message>
        <source>固定值</source>
        <translation>Exactly</translation>
    </message>
    <message>
        <source>多倍行距</source>
        <translation>Multiple</translation>
    </message>
    <message>
        <source>设置值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>磅</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>节目宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>节目高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>Align left</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Align right</translation>
    </message>
    <message>
        <source>文字置顶</source>
        <translation>Text at the top</translation>
    </message>
    <message>
        <source>文字居中</source>
        <translation>Text in the middle</translation>
    </message>
    <message>
        <source>文字置底</source>
        <translation>Text at the bottom</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>文件 %1 超过 16 MiB，无法打开</source>
        <translation>The file %1 is larger than 16 MiB and cannot be opened.</translation>
    </message>
    <message>
        <source>只支持红黄绿三色</source>
        <translation>Only red, yellow and green are supported.</translation>
    </message>
    <message>
        <source>无法写入文件 %1：无法创建文件夹 %2</source>
        <translation>Could not write the file %1: could not create the folder %2.</translation>
    </message>
    <message>
        <source>文字超出节目高度，超出部分未保存</source>
        <translation>The text is taller than the program; what does not fit was not saved.</translation>
    </message>
    <message>
        <source>宽高不能为空</source>
        <translation>Width and height must not be empty.</translation>
    </message>
    <message>
        <source>非法的宽高,是否程序自动修正并保存!</source>
        <translation>The width or height is not valid. Correct it automatically and save?</translation>
    </message>
</context>
<context>
    <name>ledsign</name>
    <message>
        <source>LED屏节目编辑与控制 (an editor and controller for two-colour LED signs)</source>
        <translation>An editor and controller for two-colour LED signs.</translation>
    </message>
    <message>
        <source>节目库文件夹：set.ini、Program/ 与 Rtf/ 所在 (keep set.ini, Program/ and Rtf/ in DIR).</source>
        <translation>The library folder: keep set.ini, Program/ and Rtf/ in DIR.</translation>
    </message>
    <message>
        <source>界面语言：zh 中文，en 英文；默认随系统 (LC_ALL、LC_MESSAGES、LANG)。</source>
        <translation>The language of the interface: zh Chinese, en English; by default the system&apos;s (LC_ALL, LC_MESSAGES, LANG).</translation>
    </message>
</context>
</TS>

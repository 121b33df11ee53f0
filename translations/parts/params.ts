<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BrightnessPage</name>
    <message>
        <source>亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Reading failed</translation>
    </message>
    <message>
        <source>获取成功</source>
        <translation>Read successfully</translation>
    </message>
</context>
<context>
    <name>ClockPage</name>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>校时</source>
        <translation>Set clock</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Reading failed</translation>
    </message>
    <message>
        <source>获取成功</source>
        <translation>Read successfully</translation>
    </message>
    <message>
        <source>校时成功</source>
        <translation>Clock set</translation>
    </message>
    <message>
        <source>校时失败</source>
        <translation>Setting the clock failed</translation>
    </message>
</context>
<context>
    <name>DayNightPage</name>
    <message>
        <source>白天亮度</source>
        <translation>Day brightness</translation>
    </message>
    <message>
        <source>晚上亮度</source>
        <translation>Night brightness</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>无法读取升级文件：%1</source>
        <translation>Cannot read the firmware file: %1</translation>
    </message>
    <message>
        <source>升级文件为空：%1</source>
        <translation>The firmware file is empty: %1</translation>
    </message>
    <message>
        <source>升级文件超过%1字节，无法通过TCP/IP升级：%2</source>
        <translation>The firmware file is larger than %1 bytes and cannot be sent over TCP/IP: %2</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>IP地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>默认网关</source>
        <translation>Default gateway</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>数据格式无效</source>
        <translation>Invalid address format</translation>
    </message>
</context>
<context>
    <name>OnOffTimePage</name>
    <message>
        <source>：</source>
        <translation>:</translation>
    </message>
    <message>
        <source>开启时间</source>
        <translation>Switch-on time</translation>
    </message>
    <message>
        <source>关闭时间</source>
        <translation>Switch-off time</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Reading failed</translation>
    </message>
    <message>
        <source>获取成功</source>
        <translation>Read successfully</translation>
    </message>
</context>
<context>
    <name>ParamPage</name>
    <message>
        <source>获取成功</source>
        <translation>Read successfully</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Reading failed</translation>
    </message>
    <message>
        <source>修改成功</source>
        <translation>Changed successfully</translation>
    </message>
    <message>
        <source>修改失败</source>
        <translation>Changing failed</translation>
    </message>
</context>
<context>
    <name>ParamRules</name>
    <message>
        <source>未连接</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>未收到回码</source>
        <translation>No reply received</translation>
    </message>
    <message>
        <source>回码错误</source>
        <translation>Wrong reply</translation>
    </message>
    <message>
        <source>和校验错误</source>
        <translation>Checksum error</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Timed out</translation>
    </message>
    <message>
        <source>无校验位</source>
        <translation>None</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 bit</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 bits</translation>
    </message>
    <message>
        <source>低有效</source>
        <translation>Active low</translation>
    </message>
    <message>
        <source>高有效</source>
        <translation>Active high</translation>
    </message>
    <message>
        <source>请填写%1</source>
        <translation>Please enter a value for %1</translation>
    </message>
    <message>
        <source>%1“%2”不是有效的整数</source>
        <translation>%1: &quot;%2&quot; is not a valid integer</translation>
    </message>
</context>
<context>
    <name>ProgramIoRules</name>
    <message>
        <source>节目%1</source>
        <translation>Program %1</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>行译码</source>
        <translation>Row decoding</translation>
    </message>
    <message>
        <source>数据信号反向</source>
        <translation>Invert data signal</translation>
    </message>
    <message>
        <source>扫描方式</source>
        <translation>Scan mode</translation>
    </message>
    <message>
        <source>OE极性</source>
        <translation>OE polarity</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>获取成功</source>
        <translation>Read successfully</translation>
    </message>
</context>
<context>
    <name>ScreenSizePage</name>
    <message>
        <source>屏宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>屏高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>屏宽和屏高须在1到%1之间</source>
        <translation>Width and height must be between 1 and %1</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Setting failed</translation>
    </message>
</context>
<context>
    <name>SendRecord</name>
    <message>
        <source>节目文件的路径含有通讯库无法使用的字符，无法发送：%1
请把主目录“%2”移到只含英文字母和数字的路径。</source>
        <translation>A program file&apos;s path has characters the link library cannot use; cannot send: %1
Move the home folder &quot;%2&quot; to a path of English letters and digits only.</translation>
    </message>
    <message>
        <source>节目文件的路径超过%1字节，无法发送：%2
请把主目录“%3”移到路径较短的文件夹。</source>
        <translation>A program file&apos;s path is longer than %1 bytes; cannot send: %2
Move the home folder &quot;%3&quot; to a folder with a shorter path.</translation>
    </message>
    <message>
        <source>节目数 %1 超出范围（1 到 %2）</source>
        <translation>Program count %1 out of range (1 to %2)</translation>
    </message>
</context>
<context>
    <name>SerialGroup</name>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>TGetPramForm</name>
    <message>
        <source>获取</source>
        <translation>Fetch</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>获取节目内容</source>
        <translation>Fetch programs</translation>
    </message>
    <message>
        <source>节目数为0</source>
        <translation>The controller holds no programs</translation>
    </message>
    <message>
        <source>获取节目数失败</source>
        <translation>Could not read the number of programs</translation>
    </message>
    <message>
        <source>控制卡报告有%1个节目，超过节目表能容纳的255个，未获取</source>
        <translation>The controller reports %1 programs, more than the 255 the program table holds; nothing fetched</translation>
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
        <translation>Cannot delete the text files of the old programs; delete them before editing these programs:
%1</translation>
    </message>
</context>
<context>
    <name>TKernelForm</name>
    <message>
        <source>远程升级</source>
        <translation>Remote upgrade</translation>
    </message>
    <message>
        <source>升级</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Upgrade succeeded</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Upgrade failed</translation>
    </message>
    <message>
        <source>正在升级，请等待升级结束</source>
        <translation>Upgrading; please wait until it ends</translation>
    </message>
</context>
<context>
    <name>TPrammeForm</name>
    <message>
        <source>节目控制</source>
        <translation>Program control</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>下发</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>超出最大节目数</source>
        <translation>A line holds at most 16 programs</translation>
    </message>
    <message>
        <source>获取节目数失败</source>
        <translation>Could not read the number of programs</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Reading failed</translation>
    </message>
    <message>
        <source>无效的节目：%1，未下发</source>
        <translation>Invalid program: %1; nothing sent</translation>
    </message>
    <message>
        <source>下发成功</source>
        <translation>Sent successfully</translation>
    </message>
    <message>
        <source>下发失败</source>
        <translation>Sending failed</translation>
    </message>
</context>
<context>
    <name>TScreenWHForm</name>
    <message>
        <source>LED参数</source>
        <translation>Sign parameters</translation>
    </message>
    <message>
        <source>LED宽高</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>串口配置</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>网络参数</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>扫描方式</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>固件版本</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>开关时间</source>
        <translation>On/off</translation>
    </message>
    <message>
        <source>日夜亮度</source>
        <translation>Day/night</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Clock</translation>
    </message>
</context>
<context>
    <name>TSendPramForm</name>
    <message>
        <source>正在发送节目,请勿进行其他操作...</source>
        <translation>Sending, please wait...</translation>
    </message>
    <message>
        <source>发送节目</source>
        <translation>Send programs</translation>
    </message>
    <message>
        <source>发送节目数目不能为0</source>
        <translation>There are no programs to send</translation>
    </message>
    <message>
        <source>未连接LED大屏</source>
        <translation>Not connected to the sign</translation>
    </message>
    <message>
        <source>发送成功</source>
        <translation>Sent successfully</translation>
    </message>
    <message>
        <source>发送失败,错误代码：%1</source>
        <translation>Sending failed, error code: %1</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>剩余约 %1 秒</source>
        <translation>About %1 s left</translation>
    </message>
    <message>
        <source>剩余约 %1 分 %2 秒</source>
        <translation>About %1 min %2 s left</translation>
    </message>
</context>
<context>
    <name>VersionPage</name>
    <message>
        <source>版本信息</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>获取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>获取失败</source>
        <translation>Reading failed</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AtomicFile</name>
    <message>
        <source>读取时出错</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>写入时出错，磁盘可能已满</source>
        <translation>write error, the disk may be full</translation>
    </message>
    <message>
        <source>发生严重错误</source>
        <translation>a fatal error occurred</translation>
    </message>
    <message>
        <source>磁盘空间或系统资源不足</source>
        <translation>not enough disk space or system resources</translation>
    </message>
    <message>
        <source>无法打开，文件可能不存在、没有权限或正被占用</source>
        <translation>cannot open it; the file may not exist, access may be denied or it may be in use</translation>
    </message>
    <message>
        <source>操作被中止</source>
        <translation>the operation was aborted</translation>
    </message>
    <message>
        <source>操作超时</source>
        <translation>the operation timed out</translation>
    </message>
    <message>
        <source>无法删除文件</source>
        <translation>cannot delete the file</translation>
    </message>
    <message>
        <source>无法替换文件，可能没有权限或正被占用</source>
        <translation>cannot replace the file; access may be denied or it may be in use</translation>
    </message>
    <message>
        <source>无法定位文件中的位置</source>
        <translation>cannot seek in the file</translation>
    </message>
    <message>
        <source>无法改变文件大小</source>
        <translation>cannot resize the file</translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>源文件无法读取或目标无法写入</source>
        <translation>the source cannot be read or the target cannot be written</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>目标已存在</source>
        <translation>the target already exists</translation>
    </message>
    <message>
        <source>文件夹不是空的</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <source>目标是文件夹</source>
        <translation>the target is a folder</translation>
    </message>
    <message>
        <source>路径中有一项不是文件夹</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>文件正被占用</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>不能跨磁盘移动</source>
        <translation>cannot move across disks</translation>
    </message>
    <message>
        <source>路径太长</source>
        <translation>the path is too long</translation>
    </message>
    <message>
        <source>读写磁盘时出错</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>系统错误 %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>%1 是文件夹，不是文件</source>
        <translation>%1 is a folder, not a file</translation>
    </message>
    <message>
        <source>无法读取文件 %1：文件不存在</source>
        <translation>Cannot read the file %1: it does not exist</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>无法读取 %1：它不是普通文件</source>
        <translation>Cannot read %1: it is not a regular file</translation>
    </message>
    <message>
        <source>文件 %1 太大</source>
        <translation>The file %1 is too large</translation>
    </message>
</context>
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
    <name>BmpCheck</name>
    <message>
        <source>不是BMP位图文件</source>
        <translation>not a BMP file</translation>
    </message>
    <message>
        <source>不是BMP位图文件（未知的信息头）</source>
        <translation>not a BMP file (unknown information header)</translation>
    </message>
    <message>
        <source>BMP文件头不完整</source>
        <translation>the BMP file header is incomplete</translation>
    </message>
    <message>
        <source>BMP位图的宽度或高度无效</source>
        <translation>the BMP width or height is invalid</translation>
    </message>
    <message>
        <source>BMP位图太大（%1 × %2，每边最多 %3 像素）</source>
        <translation>the BMP is too large (%1 × %2, at most %3 pixels a side)</translation>
    </message>
    <message>
        <source>BMP位图的位面数无效</source>
        <translation>the BMP plane count is invalid</translation>
    </message>
    <message>
        <source>不支持的BMP颜色位数：%1</source>
        <translation>unsupported BMP bit depth: %1</translation>
    </message>
    <message>
        <source>不支持的BMP压缩方式：%1</source>
        <translation>unsupported BMP compression: %1</translation>
    </message>
    <message>
        <source>BMP位图的高度无效</source>
        <translation>the BMP height is invalid</translation>
    </message>
    <message>
        <source>BMP位图的像素数据太大（超过 %1 MB）</source>
        <translation>the BMP pixel data is too large (over %1 MB)</translation>
    </message>
    <message>
        <source>BMP位图的调色板无效（%1 色位图声明了 %2 种颜色）</source>
        <translation>the BMP palette is invalid (a %1-colour bitmap declares %2 colours)</translation>
    </message>
    <message>
        <source>BMP文件不完整（调色板被截断）</source>
        <translation>the BMP file is incomplete (the palette is cut short)</translation>
    </message>
    <message>
        <source>BMP文件不完整或已损坏</source>
        <translation>the BMP file is incomplete or damaged</translation>
    </message>
    <message>
        <source>BMP文件不完整（像素数据被截断）</source>
        <translation>the BMP file is incomplete (the pixel data is cut short)</translation>
    </message>
    <message>
        <source>BMP位图的压缩数据超出了图片范围</source>
        <translation>the BMP compressed data reaches outside the picture</translation>
    </message>
    <message>
        <source>%1 无法读取：%2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 无法读取：内存不足</source>
        <translation>%1 cannot be read: out of memory</translation>
    </message>
    <message>
        <source>无法生成BMP图片：图片为空或无效</source>
        <translation>Cannot make the BMP picture: the picture is empty or invalid</translation>
    </message>
    <message>
        <source>无法生成BMP图片：内存不足</source>
        <translation>Cannot make the BMP picture: out of memory</translation>
    </message>
</context>
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
    <name>CardDiscovery</name>
    <message>
        <source>%1秒内没有结果</source>
        <translation>No result within %1 s</translation>
    </message>
    <message>
        <source>ledsignctl 异常退出</source>
        <translation>ledsignctl crashed</translation>
    </message>
    <message>
        <source>无法启动 %1：%2</source>
        <translation>Cannot start %1: %2</translation>
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
    <name>ConnectionGuard</name>
    <message>
        <source>请先连接大屏</source>
        <translation>Connect to the sign first</translation>
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
    <name>ErrorReport</name>
    <message>
        <source>操作失败：内存不足</source>
        <translation>The operation failed: out of memory</translation>
    </message>
    <message>
        <source>操作失败：%1</source>
        <translation>The operation failed: %1</translation>
    </message>
    <message>
        <source>操作失败：发生未知错误</source>
        <translation>The operation failed: an unknown error occurred</translation>
    </message>
</context>
<context>
    <name>FileMoveJournal</name>
    <message>
        <source>%1：无法把 %2 移到 %3（%4）</source>
        <translation>%1: cannot move %2 to %3 (%4)</translation>
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
    <name>FleetModel</name>
    <message>
        <source>%1 %2：%3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>等待</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>查询中</source>
        <translation>Querying</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>%1×%2 型号%3</source>
        <translation>%1×%2 model %3</translation>
    </message>
    <message>
        <source>%1×%2（设定）</source>
        <translation>%1×%2 (expected)</translation>
    </message>
    <message>
        <source>%1%2 秒</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>在线</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>尺寸与型号</source>
        <translation>Size and model</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>节目数</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>时差</source>
        <translation>Clock offset</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>上次发送</source>
        <translation>Last send</translation>
    </message>
    <message>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
</context>
<context>
    <name>FleetRunner</name>
    <message>
        <source>成功</source>
        <translation>Succeeded</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>不能发送</source>
        <translation>Cannot send</translation>
    </message>
    <message>
        <source>异常退出</source>
        <translation>Crashed</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Timed out</translation>
    </message>
    <message>
        <source>未能启动</source>
        <translation>Not started</translation>
    </message>
    <message>
        <source>超过%1秒没有应答，已结束</source>
        <translation>No answer for over %1 s; ended</translation>
    </message>
    <message>
        <source>ledsignctl 异常退出</source>
        <translation>ledsignctl crashed</translation>
    </message>
    <message>
        <source>ledsignctl 异常退出：%1</source>
        <translation>ledsignctl crashed: %1</translation>
    </message>
    <message>
        <source>控制卡的状态无法识别</source>
        <translation>The controller&apos;s status could not be read</translation>
    </message>
    <message>
        <source>ledsignctl 退出码 %1</source>
        <translation>ledsignctl exit code %1</translation>
    </message>
    <message>
        <source>无法启动 %1：%2</source>
        <translation>Cannot start %1: %2</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>大屏管理</source>
        <translation>Sign management</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>发现</source>
        <translation>Discover</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>发送到所选</source>
        <translation>Send to checked</translation>
    </message>
    <message>
        <source>重试失败</source>
        <translation>Retry failed</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>查找控制卡失败：%1</source>
        <translation>Searching for controllers failed: %1</translation>
    </message>
    <message>
        <source>添加大屏</source>
        <translation>Add sign</translation>
    </message>
    <message>
        <source>编辑大屏</source>
        <translation>Edit sign</translation>
    </message>
    <message>
        <source>是否删除大屏“%1”？</source>
        <translation>Delete the sign &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>请先勾选要发送的大屏</source>
        <translation>Check the signs to send to first.</translation>
    </message>
    <message numerus="yes">
        <source>刷新中：%1/%n 个大屏已结束</source>
        <translation>
            <numerusform>Refreshing: %1 of %n sign done</numerusform>
            <numerusform>Refreshing: %1 of %n signs done</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>发送中：%1/%n 个大屏已结束</source>
        <translation>
            <numerusform>Sending: %1 of %n sign done</numerusform>
            <numerusform>Sending: %1 of %n signs done</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>重试中：%1/%n 个大屏已结束</source>
        <translation>
            <numerusform>Retrying: %1 of %n sign done</numerusform>
            <numerusform>Retrying: %1 of %n signs done</numerusform>
        </translation>
    </message>
    <message>
        <source>刷新结束：%1个成功，%2个失败</source>
        <translation>Refresh finished: %1 succeeded, %2 failed</translation>
    </message>
    <message>
        <source>发送结束：%1个成功，%2个失败</source>
        <translation>Send finished: %1 succeeded, %2 failed</translation>
    </message>
    <message>
        <source>重试结束：%1个成功，%2个失败</source>
        <translation>Retry finished: %1 succeeded, %2 failed</translation>
    </message>
    <message>
        <source>，%1个不能发送</source>
        <translation>, %1 cannot be sent</translation>
    </message>
    <message>
        <source>，%1个已取消</source>
        <translation>, %1 cancelled</translation>
    </message>
    <message>
        <source>本机没有可用于查找控制卡的网卡</source>
        <translation>This computer has no network adapter to search for controllers on.</translation>
    </message>
    <message>
        <source>在哪个网卡上查找控制卡：</source>
        <translation>Search for controllers on this adapter:</translation>
    </message>
    <message numerus="yes">
        <source>在网卡 %1 上找到%n块控制卡，新添加%2块</source>
        <translation>
            <numerusform>Found %n controller on adapter %1, %2 added to the list</numerusform>
            <numerusform>Found %n controllers on adapter %1, %2 added to the list</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HomeLock</name>
    <message>
        <source>节目库文件夹 %1 正被另一个程序使用，同一文件夹同时只能由一个程序打开。请先关闭那个程序。</source>
        <translation>The library folder %1 is in use by another program; a folder can be open in only one program at a time. Close that program first.</translation>
    </message>
    <message>
        <source>无法锁定节目库文件夹 %1：无法在其中建立文件 %2（没有权限或磁盘只读）。</source>
        <translation>Cannot lock the library folder %1: cannot create the file %2 in it (permission denied or the disk is read-only).</translation>
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
    <name>LibrarySnapshot</name>
    <message>
        <source>无法复制节目文件 %1：%2</source>
        <translation>Cannot copy the program file %1: %2</translation>
    </message>
    <message>
        <source>无法建立临时文件夹：%1</source>
        <translation>Cannot create a temporary folder: %1</translation>
    </message>
    <message>
        <source>发送节目数目不能为0</source>
        <translation>There are no programs to send</translation>
    </message>
    <message>
        <source>无法建立临时文件夹 %1</source>
        <translation>Cannot create the temporary folder %1</translation>
    </message>
    <message>
        <source>节目%1的大小 %2×%3 与大屏 %4×%5 不符</source>
        <translation>Program %1 is %2×%3, but the sign is %4×%5</translation>
    </message>
</context>
<context>
    <name>LibraryTransfer</name>
    <message>
        <source>%1：无法复制 %2 到 %3（%4）</source>
        <translation>%1: cannot copy %2 to %3 (%4)</translation>
    </message>
    <message>
        <source>%1：无法写入 %2（%3）</source>
        <translation>%1: cannot write %2 (%3)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>导入节目成功</source>
        <translation>The programs were imported</translation>
    </message>
    <message>
        <source>节目表最多容纳%1个节目，文件夹中其余的图片没有导入。</source>
        <translation>The library holds at most %1 programs; the other pictures in the folder were not imported.</translation>
    </message>
    <message numerus="yes">
        <source>%n个节目的颜色值与图片不符，已按图片改正。</source>
        <translation>
            <numerusform>The colour value of %n program did not match its picture and was corrected.</numerusform>
            <numerusform>The colour values of %n programs did not match their pictures and were corrected.</numerusform>
        </translation>
    </message>
    <message>
        <source>导入失败，节目表未改变</source>
        <translation>Import failed, the library is unchanged</translation>
    </message>
    <message>
        <source>%1：文件夹 %2 中没有 set.ini</source>
        <translation>%1: the folder %2 has no set.ini</translation>
    </message>
    <message>
        <source>%1：无法在 %2 中建立临时文件夹</source>
        <translation>%1: cannot create a temporary folder in %2</translation>
    </message>
</context>
<context>
    <name>LinkLibraries</name>
    <message>
        <source>找不到通讯库 %1：%2</source>
        <translation>Cannot find the link library %1: %2</translation>
    </message>
    <message>
        <source>通讯库 %1 中缺少函数 %2</source>
        <translation>The link library %1 lacks the function %2</translation>
    </message>
</context>
<context>
    <name>LinkRunner</name>
    <message>
        <source>操作失败：发生未知错误</source>
        <translation>The operation failed: an unknown error occurred</translation>
    </message>
</context>
<context>
    <name>LinkWait</name>
    <message>
        <source>正在通讯…</source>
        <translation>Communicating…</translation>
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
    <name>PictureConversion</name>
    <message>
        <source>图片文件 %1</source>
        <translation>The picture file %1</translation>
    </message>
    <message>
        <source>%1 是文件夹，不是图片</source>
        <translation>%1 is a folder, not a picture</translation>
    </message>
    <message>
        <source>%1 不存在</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>%1 超过 %2 MiB，不能导入</source>
        <translation>%1 is larger than %2 MiB and cannot be imported</translation>
    </message>
    <message>
        <source>节目的尺寸无效</source>
        <translation>The program size is invalid</translation>
    </message>
    <message>
        <source>%1 是空文件</source>
        <translation>%1 is empty</translation>
    </message>
    <message>
        <source>%1 不是可识别的图片</source>
        <translation>%1 is not a picture this program recognises</translation>
    </message>
    <message>
        <source>%1 无法解析（SVG 有错误）</source>
        <translation>%1 cannot be parsed (the SVG has errors)</translation>
    </message>
    <message>
        <source>%1 无法读出图片尺寸</source>
        <translation>%1: the picture size cannot be read</translation>
    </message>
    <message>
        <source>%1 的尺寸 %2×%3 超过每边 %4 像素的上限</source>
        <translation>%1 is %2×%3, beyond the limit of %4 pixels a side</translation>
    </message>
    <message>
        <source>%1 的尺寸 %2×%3 解码后超过 %4 MiB 的上限</source>
        <translation>%1 is %2×%3, which decoded exceeds the limit of %4 MiB</translation>
    </message>
    <message>
        <source>%1 无法解码：%2</source>
        <translation>%1 cannot be decoded: %2</translation>
    </message>
</context>
<context>
    <name>PictureConvert</name>
    <message>
        <source>%1 读取失败：转换程序异常退出（图片可能过大、过于复杂或已损坏）</source>
        <translation>%1 could not be read: the converter ended abnormally (the picture may be too large, too complex or damaged)</translation>
    </message>
    <message>
        <source>%1 无法读取</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>找不到文件</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>读取文件时出错</source>
        <translation>error while reading the file</translation>
    </message>
    <message>
        <source>不支持这种图片格式</source>
        <translation>this picture format is not supported</translation>
    </message>
    <message>
        <source>图片数据有误，文件可能已损坏或不完整</source>
        <translation>the picture data is wrong; the file may be damaged or incomplete</translation>
    </message>
    <message>
        <source>文件可能已损坏</source>
        <translation>the file may be damaged</translation>
    </message>
    <message>
        <source>%1 超过 %2 MiB，不能导入</source>
        <translation>%1 is larger than %2 MiB and cannot be imported</translation>
    </message>
    <message>
        <source>%1 无法解压</source>
        <translation>%1 cannot be decompressed</translation>
    </message>
    <message>
        <source>%1 解压后超过 %2 MiB，不能导入</source>
        <translation>%1 is larger than %2 MiB decompressed and cannot be imported</translation>
    </message>
    <message>
        <source>%1 无法解压，文件可能已损坏</source>
        <translation>%1 cannot be decompressed; the file may be damaged</translation>
    </message>
    <message>
        <source>%1 引用了其他图片或文件，不能导入（SVG 只能包含自身的图形）</source>
        <translation>%1 refers to other pictures or files and cannot be imported (an SVG may contain only its own shapes)</translation>
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
    <name>ProgramLimits</name>
    <message>
        <source>无颜色</source>
        <translation>no colour</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>red</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>green</translation>
    </message>
    <message>
        <source>红绿双色</source>
        <translation>red and green</translation>
    </message>
    <message>
        <source>无效(%1)</source>
        <translation>invalid (%1)</translation>
    </message>
    <message>
        <source>最大高度不能大于%1</source>
        <translation>The height cannot be greater than %1</translation>
    </message>
    <message>
        <source>最大宽度不能大于%1</source>
        <translation>The width cannot be greater than %1</translation>
    </message>
    <message>
        <source>超出系统最大屏宽屏高的定义</source>
        <translation>Larger than the biggest sign width and height the system allows</translation>
    </message>
    <message>
        <source>图片 %1×%2 已保存，但控制卡不能显示：%3。发送前请改小节目的尺寸。</source>
        <translation>The %1×%2 picture was saved, but the controller cannot show it: %3. Make the program smaller before sending.</translation>
    </message>
    <message>
        <source>颜色值 %1 无效（应为 0 到 3）</source>
        <translation>The colour value %1 is invalid (it must be 0 to 3)</translation>
    </message>
    <message>
        <source>颜色值为 %1（%2），但图片含有%3，发送后标牌上会缺少颜色；请重新导入或保存该节目</source>
        <translation>The colour value is %1 (%2), but the picture contains %3, so colours would be missing on the sign; import or save the program again</translation>
    </message>
    <message>
        <source>图片 %1×%2，%3</source>
        <translation>Picture %1×%2: %3</translation>
    </message>
    <message>
        <source>播放方式、播放速度或停留时间超出范围（0 到 %1、0 到 %2、0 到 %3）</source>
        <translation>The effect, speed or dwell time is out of range (0 to %1, 0 to %2, 0 to %3)</translation>
    </message>
    <message>
        <source>节目设置文件 %1 不存在</source>
        <translation>The program settings file %1 does not exist</translation>
    </message>
    <message>
        <source>无法检查（内存不足）</source>
        <translation>Cannot be checked (out of memory)</translation>
    </message>
    <message>
        <source>节目%1：%2</source>
        <translation>Program %1: %2</translation>
    </message>
</context>
<context>
    <name>ProgramStore</name>
    <message>
        <source>无法删除文件 %1</source>
        <translation>Cannot delete the file %1</translation>
    </message>
    <message>
        <source>节目图片 %1</source>
        <translation>The program picture %1</translation>
    </message>
    <message>
        <source>%1 不存在</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>%1 无法读取：%2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>删除节目失败</source>
        <translation>Deleting the program failed</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>褐红色</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>橄榄色</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>藏青色</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>紫色</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>深青色</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>银色</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>酸橙色</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>紫红色</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>水绿色</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>White</translation>
    </message>
    <message>
        <source>驱动器</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>颜色：</source>
        <translation>Colour:</translation>
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
    <name>SignDialog</name>
    <message>
        <source>大屏</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>例如 192.168.3.117</source>
        <translation>e.g. 192.168.3.117</translation>
    </message>
    <message>
        <source>屏幕尺寸应为</source>
        <translation>Sign size should be</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>通讯方式</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SignList</name>
    <message>
        <source>通讯方式应为0或1</source>
        <translation>通讯方式 (connection) must be 0 or 1</translation>
    </message>
    <message>
        <source>屏宽和屏高应同时给出</source>
        <translation>屏宽 and 屏高 (width and height) must be given together</translation>
    </message>
    <message>
        <source>还没有大屏列表（%1），请添加大屏。</source>
        <translation>There is no sign list yet (%1). Add a sign.</translation>
    </message>
    <message>
        <source>大屏列表无法读取，列表为空，文件未改动：%1</source>
        <translation>The sign list cannot be read; the list is empty and the file was not changed: %1</translation>
    </message>
    <message>
        <source>大屏列表 %1 是空的，请添加大屏。</source>
        <translation>The sign list %1 is empty. Add a sign.</translation>
    </message>
    <message>
        <source>[%1] %2：%3</source>
        <translation>[%1] %2: %3</translation>
    </message>
    <message>
        <source>大屏列表 %1 中没有可用的大屏（应有[大屏0]等节），列表为空，文件未改动。</source>
        <translation>The sign list %1 has no usable sign (sections [大屏0] and so on); the list is empty and the file was not changed.</translation>
    </message>
    <message numerus="yes">
        <source>大屏列表 %1 中有%n个大屏无法使用，已略过（修改列表后将不再保存它们）：
%2</source>
        <translation>
            <numerusform>%n sign in the sign list %1 cannot be used and was skipped (it will not be saved when the list is changed):
%2</numerusform>
            <numerusform>%n signs in the sign list %1 cannot be used and were skipped (they will not be saved when the list is changed):
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>大屏不能超过%1个</source>
        <translation>There can be at most %1 signs</translation>
    </message>
    <message>
        <source>大屏“%1”：%2</source>
        <translation>Sign &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>名称不能为空</source>
        <translation>The name must not be empty</translation>
    </message>
    <message>
        <source>名称的首尾不能有空格</source>
        <translation>The name must not begin or end with a space</translation>
    </message>
    <message>
        <source>名称不能超过%1个字符</source>
        <translation>The name must not be longer than %1 characters</translation>
    </message>
    <message>
        <source>名称不能含控制字符</source>
        <translation>The name must not contain control characters</translation>
    </message>
    <message>
        <source>名称不能以“-”开头</source>
        <translation>The name must not begin with &quot;-&quot;</translation>
    </message>
    <message>
        <source>名称含有无法保存的字符</source>
        <translation>The name has characters that cannot be saved</translation>
    </message>
    <message>
        <source>名称“%1”已被另一个大屏使用</source>
        <translation>The name &quot;%1&quot; is already used by another sign</translation>
    </message>
    <message>
        <source>串口不能为空</source>
        <translation>The serial port must not be empty</translation>
    </message>
    <message>
        <source>串口名称无效</source>
        <translation>The serial port name is not valid</translation>
    </message>
    <message>
        <source>波特率%1不是控制卡支持的波特率</source>
        <translation>The controller does not support the baud rate %1</translation>
    </message>
    <message>
        <source>IP地址不能为空</source>
        <translation>The IP address must not be empty</translation>
    </message>
    <message>
        <source>IP地址“%1”无效</source>
        <translation>The IP address &quot;%1&quot; is not valid</translation>
    </message>
    <message>
        <source>端口应在1到65535之间，而不是%1</source>
        <translation>The port must be between 1 and 65535, not %1</translation>
    </message>
    <message>
        <source>屏幕尺寸 %1×%2 无效，每边应在1到%3之间</source>
        <translation>The sign size %1×%2 is not valid; each side must be between 1 and %3</translation>
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
        <translation>Could not read the number of programs</translation>
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
<context>
    <name>Workspace</name>
    <message>
        <source>找不到通讯库 NQ_COM_LED 和 NQ_NET_LED</source>
        <translation>Cannot find the link libraries NQ_COM_LED and NQ_NET_LED</translation>
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
        <translation>Could not read the number of programs</translation>
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

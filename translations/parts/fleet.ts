<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
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
        <translation>Sign manager</translation>
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
</TS>

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
    <name>ConnectionGuard</name>
    <message>
        <source>请先连接大屏</source>
        <translation>Connect to the sign first</translation>
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
    <name>Workspace</name>
    <message>
        <source>找不到通讯库 NQ_COM_LED 和 NQ_NET_LED</source>
        <translation>Cannot find the link libraries NQ_COM_LED and NQ_NET_LED</translation>
    </message>
</context>
</TS>

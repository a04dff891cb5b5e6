<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Pictures without a window (no display server needed):</source>
        <translation>无窗口生成图片（无需显示服务器）：</translation>
    </message>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.
Qt&apos;s own options, such as -platform and -display, are accepted too.</source>
        <translation>一个交互式的翻盖手机 3D 模型，翻盖上显示本地时间。
也接受 Qt 自身的选项，例如 -platform 和 -display。</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Draw one picture into FILE (.png or .jpg; - is PNG on standard output) with no window, and quit.</source>
        <translation>不打开窗口，将一张图片绘制到“文件”（.png 或 .jpg；- 表示以 PNG 写到标准输出），然后退出。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>With --output: the time the clocks show (default: now).</source>
        <translation>与 --output 一起使用：时钟显示的时间（默认：现在）。</translation>
    </message>
    <message>
        <source>With --output: keys pressed first, named as in the controls below.</source>
        <translation>与 --output 一起使用：先按下的键，名称与下方操作说明相同。</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>With --output: the picture&apos;s size in pixels (default: 500).</source>
        <translation>与 --output 一起使用：图片尺寸，单位为像素（默认：500）。</translation>
    </message>
    <message>
        <source>With --output: the same as the key Q.</source>
        <translation>与 --output 一起使用：等同于按 Q 键。</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: nqw.bmp in the working directory).</source>
        <translation>手机主屏幕上的图片，可以是 Qt 能读取的任何格式（默认：工作目录中的 nqw.bmp）。</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[图片]</translation>
    </message>
    <message>
        <source>--time: &quot;%1&quot; is not a time of day (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>--time：“%1”不是有效的时间（HH:MM 或 HH:MM:SS，00:00 到 23:59:59）</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not a size (N or WxH, 1 to %2 pixels a side)</source>
        <translation>--size：“%1”不是有效的尺寸（N 或 WxH，每边 1 到 %2 像素）</translation>
    </message>
    <message>
        <source>--output needs a file name (or - for standard output)</source>
        <translation>--output 需要一个文件名（或用 - 表示标准输出）</translation>
    </message>
    <message>
        <source>--output: %1: the name must end in .png, .jpg or .jpeg (or be - for PNG on standard output)</source>
        <translation>--output：%1：文件名必须以 .png、.jpg 或 .jpeg 结尾（或用 - 表示以 PNG 写到标准输出）</translation>
    </message>
    <message>
        <source>one PICTURE at most, %1 given: %2</source>
        <translation>最多只能指定一张图片，实际给出 %1 个：%2</translation>
    </message>
    <message>
        <source>--%1 works only with --output</source>
        <translation>--%1 只能与 --output 一起使用</translation>
    </message>
    <message>
        <source>Try &apos;velkar --help&apos; for more information.</source>
        <translation>运行“velkar --help”获取更多信息。</translation>
    </message>
    <message>
        <source>no OpenGL without a window: %1</source>
        <translation>没有窗口就无法使用 OpenGL：%1</translation>
    </message>
    <message>
        <source>--size: at most %1 pixels a side here (the OpenGL implementation&apos;s largest frame)</source>
        <translation>--size：此处每边最多 %1 像素（OpenGL 实现支持的最大帧）</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>--keys: no key is called &quot;%1&quot;</source>
        <translation>--keys：没有名为“%1”的按键</translation>
    </message>
    <message>
        <source>--keys: %1 only works in a window</source>
        <translation>--keys：%1 只能在窗口中使用</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.</source>
        <translation>一个交互式的翻盖手机 3D 模型，翻盖上显示本地时间。</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>以 MIT 许可证发布。</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the velkar developers</source>
        <translation>Copyright (c) 2026 velkar 开发者</translation>
    </message>
    <message>
        <source>The translations are the project&apos;s own work, under the same licence.</source>
        <translation>译文由本项目自行完成，采用相同的许可证。</translation>
    </message>
    <message>
        <source>About Velkar</source>
        <translation>关于 Velkar</translation>
    </message>
    <message>
        <source>Open Picture…</source>
        <translation>打开图片…</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>保存截图</translation>
    </message>
    <message>
        <source>Open Lid</source>
        <translation>打开翻盖</translation>
    </message>
    <message>
        <source>Close Lid</source>
        <translation>合上翻盖</translation>
    </message>
    <message>
        <source>Lid One Step Open</source>
        <translation>翻盖打开一步</translation>
    </message>
    <message>
        <source>Lid One Step Closed</source>
        <translation>翻盖合上一步</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>抗锯齿</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>重置视图</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>操作说明</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>drag with the mouse</source>
        <translation>用鼠标拖动</translation>
    </message>
    <message>
        <source>turn the phone</source>
        <translation>转动手机</translation>
    </message>
    <message>
        <source>mouse wheel, + = -</source>
        <translation>鼠标滚轮、+ = -</translation>
    </message>
    <message>
        <source>zoom in and out</source>
        <translation>放大和缩小</translation>
    </message>
    <message>
        <source>Up Down Left Right</source>
        <translation>Up Down Left Right</translation>
    </message>
    <message>
        <source>W A S D</source>
        <translation>W A S D</translation>
    </message>
    <message>
        <source>move it up, left, down, right</source>
        <translation>向上、左、下、右移动</translation>
    </message>
    <message>
        <source>T / G</source>
        <translation>T / G</translation>
    </message>
    <message>
        <source>open / close the lid by one step</source>
        <translation>翻盖打开 / 合上一步</translation>
    </message>
    <message>
        <source>R / F</source>
        <translation>R / F</translation>
    </message>
    <message>
        <source>open / close the lid fully (about three seconds)</source>
        <translation>完全打开 / 合上翻盖（约三秒）</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>antialiasing on or off</source>
        <translation>开关抗锯齿</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>back to the start-up view</source>
        <translation>回到初始视图</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>save a screenshot in your Pictures folder</source>
        <translation>在“图片”文件夹中保存截图</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>open a picture for the main screen</source>
        <translation>为主屏幕打开图片</translation>
    </message>
    <message>
        <source>drop an image file</source>
        <translation>拖放图片文件</translation>
    </message>
    <message>
        <source>show it on the main screen</source>
        <translation>在主屏幕上显示</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>开关全屏</translation>
    </message>
    <message>
        <source>F1 / H</source>
        <translation>F1 / H</translation>
    </message>
    <message>
        <source>show or hide this list on the window</source>
        <translation>显示或隐藏此列表</translation>
    </message>
    <message>
        <source>a menu of every command</source>
        <translation>包含所有命令的菜单</translation>
    </message>
    <message>
        <source>Escape, Ctrl+Q</source>
        <translation>Esc、Ctrl+Q</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>操作说明：</translation>
    </message>
    <message>
        <source>right-click, Shift+F10, Menu</source>
        <translation>右键单击、Shift+F10、Menu</translation>
    </message>
</context>
<context>
    <name>ControlsCard</name>
    <message>
        <source>Velkar %1</source>
        <translation>Velkar %1</translation>
    </message>
    <message>
        <source>Any other key or a click hides this list.</source>
        <translation>按其他任意键或单击即可隐藏此列表。</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>打开图片</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>no screen picture: &quot;%1&quot; in %2: %3</source>
        <translation>无法显示屏幕图片：%2 中的“%1”：%3</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>这是一个目录</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>这是命名管道，不是普通文件</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>这是套接字，不是普通文件</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>这是字符设备，不是普通文件</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>这是块设备，不是普通文件</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>没有该文件</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>没有读取权限</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>这是符号链接循环</translation>
    </message>
    <message>
        <source>not an image this program can read</source>
        <translation>不是本程序能读取的图片</translation>
    </message>
    <message>
        <source>its header claims %1x%2 pixels, more than %3x%3</source>
        <translation>文件头声称 %1x%2 像素，超过 %3x%3</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>文件不完整</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB a picture of at most %3x%3 pixels needs</source>
        <translation>文件为 %1 MiB，超过了最大 %3x%3 像素的图片所需的 %2 MiB</translation>
    </message>
</context>
<context>
    <name>Scene3D</name>
    <message>
        <source>Right-click for the menu of commands, F1 for the list of controls</source>
        <translation>右键单击打开命令菜单，按 F1 查看操作说明</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>lid closed</source>
        <translation>翻盖已合上</translation>
    </message>
    <message>
        <source>lid open</source>
        <translation>翻盖已打开</translation>
    </message>
    <message>
        <source>lid partly open</source>
        <translation>翻盖半开</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>无图片</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1，%2，%3</translation>
    </message>
</context>
<context>
    <name>Screenshot</name>
    <message>
        <source>screenshot not saved: %1: %2</source>
        <translation>截图未保存：%1：%2</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>no permission to create a folder in %1</source>
        <translation>没有在 %1 中创建文件夹的权限</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>there is no Pictures folder</source>
        <translation>没有“图片”文件夹</translation>
    </message>
    <message>
        <source>%1 names of that second are taken</source>
        <translation>该秒的 %1 个文件名已全部被占用</translation>
    </message>
</context>
</TS>

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
    <message>
        <source>The frames of --duration are put in place together once all are written: a run that
fails leaves none of its own behind. Files of an earlier run with more frames are
left as they are; remove them first if the new set must stand alone.
</source>
        <translation>--duration 的各帧在全部写完后才一起放到位：运行失败时不会留下任何自己的文件。
之前运行留下的、帧数更多的文件保持原样；如果新的一组必须单独存在，请先删除它们。
</translation>
    </message>
    <message>
        <source>Neither read nor write the settings: start as the very first time.</source>
        <translation>既不读取也不写入设置：像第一次一样启动。</translation>
    </message>
    <message>
        <source>With --output: what shows around the phone, a colour (#202020, black, ...; default: white) or transparent (PNG only).</source>
        <translation>与 --output 一起使用：手机周围显示的内容，一种颜色（#202020、black 等；默认：white）或 transparent（仅限 PNG）。</translation>
    </message>
    <message>
        <source>With --output: frames of the window over SECONDS from the start, R and F animated as in the window; FILE then holds {frame}, the frame&apos;s number, or is - (the PNGs one after another).</source>
        <translation>与 --output 一起使用：从开始起“秒数”内窗口的各帧，R 和 F 的动画与窗口中相同；此时“文件”须包含 {frame}（帧编号），或为 -（依次输出各个 PNG）。</translation>
    </message>
    <message>
        <source>With --duration: frames a second, 1 to 240 (default: 30).</source>
        <translation>与 --duration 一起使用：每秒帧数，1 到 240（默认：30）。</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: the one chosen in the window last, else nqw.bmp in the working directory).</source>
        <translation>手机主屏幕上的图片，可以是 Qt 能读取的任何格式（默认：最后一次在窗口中选择的图片，否则为工作目录中的 nqw.bmp）。</translation>
    </message>
    <message>
        <source>--background: &quot;%1&quot; is not a colour (#RRGGBB, a name such as black, or transparent)</source>
        <translation>--background：“%1”不是有效的颜色（#RRGGBB、black 之类的名称，或 transparent）</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a duration (seconds above 0, at most %2)</source>
        <translation>--duration：“%1”不是有效的时长（大于 0 秒，最多 %2 秒）</translation>
    </message>
    <message>
        <source>--fps: &quot;%1&quot; is not a frame rate (1 to %2 frames a second)</source>
        <translation>--fps：“%1”不是有效的帧率（每秒 1 到 %2 帧）</translation>
    </message>
    <message>
        <source>--duration: the file name must hold {frame}, for the frame&apos;s number, or be - for standard output</source>
        <translation>--duration：文件名必须包含表示帧编号的 {frame}，或用 - 表示标准输出</translation>
    </message>
    <message>
        <source>--output: %1: {frame} numbers the frames of --duration, which is not given</source>
        <translation>--output：%1：{frame} 用于给 --duration 的各帧编号，但未指定 --duration</translation>
    </message>
    <message>
        <source>--fps works only with --duration</source>
        <translation>--fps 只能与 --duration 一起使用</translation>
    </message>
    <message>
        <source>--background transparent: %1: JPEG has no transparency, use .png</source>
        <translation>--background transparent：%1：JPEG 不支持透明，请使用 .png</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>无法编码图片</translation>
    </message>
    <message>
        <source>EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)</source>
        <translation>EGL 没有无表面平台（EGL_MESA_platform_surfaceless）</translation>
    </message>
    <message>
        <source>EGL&apos;s surfaceless platform did not start</source>
        <translation>EGL 的无表面平台未能启动</translation>
    </message>
    <message>
        <source>EGL offers no desktop OpenGL</source>
        <translation>EGL 不提供桌面 OpenGL</translation>
    </message>
    <message>
        <source>EGL made no OpenGL compatibility context</source>
        <translation>EGL 未能创建 OpenGL 兼容性上下文</translation>
    </message>
    <message>
        <source>the OpenGL context could not be made current without a surface</source>
        <translation>无法在没有表面的情况下将 OpenGL 上下文设为当前</translation>
    </message>
    <message>
        <source>no temporary file could be made beside it</source>
        <translation>无法在旁边创建临时文件</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>秒数</translation>
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
    <message>
        <source>Slideshow</source>
        <translation>幻灯片放映</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>打开文件夹…</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>下一张图片</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>上一张图片</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 秒</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <source>5 Minutes</source>
        <translation>5 分钟</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 小时</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>随机顺序</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>Standard Picture</source>
        <translation>标准图片</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Hide Title Bar</source>
        <translation>隐藏标题栏</translation>
    </message>
    <message>
        <source>Move Window</source>
        <translation>移动窗口</translation>
    </message>
    <message>
        <source>Wayland has no way for a program to keep its window above others; your desktop&apos;s own window menu may</source>
        <translation>Wayland 不允许程序让自己的窗口保持在其他窗口之上；桌面自带的窗口菜单或许可以做到</translation>
    </message>
    <message>
        <source>Move Window: the window system does not move windows for programs here; drag the window with Alt or Super held</source>
        <translation>移动窗口：此窗口系统不替程序移动窗口；请按住 Alt 或 Super 拖动窗口</translation>
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
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copy the frame, as F12 would save it</source>
        <translation>复制当前帧，与 F12 保存的相同</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>show the pictures of a folder in turn</source>
        <translation>依次显示文件夹中的图片</translation>
    </message>
    <message>
        <source>PageDown / PageUp</source>
        <translation>PageDown / PageUp</translation>
    </message>
    <message>
        <source>the next / previous picture of the folder</source>
        <translation>文件夹中的下一张 / 上一张图片</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>keep the window above others, or not</source>
        <translation>开关窗口总在最前</translation>
    </message>
    <message>
        <source>menu only</source>
        <translation>仅在菜单中</translation>
    </message>
    <message>
        <source>Standard Picture, Start at Login,</source>
        <translation>标准图片、登录时启动、</translation>
    </message>
    <message>
        <source>Hide Title Bar, Move Window</source>
        <translation>隐藏标题栏、移动窗口</translation>
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
    <name>Desk</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>无法创建其所在的文件夹</translation>
    </message>
    <message>
        <source>The folding phone&apos;s clocks, started at login</source>
        <translation>翻盖手机的时钟，登录时启动</translation>
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
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
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
    <message>
        <source>its name is not valid UTF-8, and it cannot be used</source>
        <translation>其名称不是有效的 UTF-8，无法使用</translation>
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
<context>
    <name>Settings</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1“%2”不是 %3 到 %4 之间的数字</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is neither true nor false</source>
        <translation>%1“%2”既不是 true 也不是 false</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of standard, file, folder</source>
        <translation>%1“%2”不是 standard、file、folder 中的任何一个</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is gone</source>
        <translation>文件“%1”已不存在</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is gone</source>
        <translation>文件夹“%1”已不存在</translation>
    </message>
    <message>
        <source>%1; starting as the first time, and leaving the file as it is</source>
        <translation>%1；按首次启动的状态启动，文件保持原样</translation>
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
        <source>it cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>it cannot be copied to be read: %1</source>
        <translation>无法复制以供读取：%1</translation>
    </message>
    <message>
        <source>it is not an INI file</source>
        <translation>不是 INI 文件</translation>
    </message>
    <message>
        <source>%1; using the defaults for those</source>
        <translation>%1；这些项使用默认值</translation>
    </message>
    <message>
        <source>settings %1: %2</source>
        <translation>设置 %1：%2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>settings not saved: %1: %2</source>
        <translation>设置未保存：%1：%2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between two problems</comment>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>no picture in &quot;%1&quot; can be read; the standard picture is shown</source>
        <translation>“%1”中没有可读取的图片；显示标准图片</translation>
    </message>
    <message>
        <source>no picture in &quot;%1&quot; can be read: %2; the standard picture is shown</source>
        <translation>“%1”中没有可读取的图片：%2；显示标准图片</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>没有该文件夹</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>没有读取权限</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>不是文件夹</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>Pictures without a window (no display server needed):</source>
        <translation>ウィンドウなしの画像 (ディスプレイサーバー不要):</translation>
    </message>
    <message>
        <source>An interactive 3D model of a folding phone whose lid shows the local time.
Qt&apos;s own options, such as -platform and -display, are accepted too.</source>
        <translation>ふたに現在の時刻を表示する、折りたたみ携帯電話のインタラクティブな 3D モデルです。
-platform や -display など、Qt 自身のオプションも使えます。</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Draw one picture into FILE (.png or .jpg; - is PNG on standard output) with no window, and quit.</source>
        <translation>ウィンドウを開かずに画像を 1 枚描いて「ファイル」に保存し、終了します (.png または .jpg。- は標準出力への PNG)。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>With --output: the time the clocks show (default: now).</source>
        <translation>--output 使用時: 時計が示す時刻 (既定: 現在)。</translation>
    </message>
    <message>
        <source>With --output: keys pressed first, named as in the controls below.</source>
        <translation>--output 使用時: 最初に押すキー。名前は下の操作方法のとおりです。</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>With --output: the picture&apos;s size in pixels (default: 500).</source>
        <translation>--output 使用時: 画像のサイズ (ピクセル、既定: 500)。</translation>
    </message>
    <message>
        <source>With --output: the same as the key Q.</source>
        <translation>--output 使用時: キー Q と同じです。</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>[PICTURE]</source>
        <translation>[画像]</translation>
    </message>
    <message>
        <source>--time: &quot;%1&quot; is not a time of day (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>--time: 「%1」は時刻ではありません (HH:MM または HH:MM:SS、00:00 から 23:59:59)</translation>
    </message>
    <message>
        <source>--size: &quot;%1&quot; is not a size (N or WxH, 1 to %2 pixels a side)</source>
        <translation>--size: 「%1」はサイズではありません (N または WxH、1 辺 1 から %2 ピクセル)</translation>
    </message>
    <message>
        <source>--output needs a file name (or - for standard output)</source>
        <translation>--output にはファイル名が必要です (標準出力なら -)</translation>
    </message>
    <message>
        <source>--output: %1: the name must end in .png, .jpg or .jpeg (or be - for PNG on standard output)</source>
        <translation>--output: %1: 名前は .png、.jpg、.jpeg のいずれかで終わる必要があります (標準出力への PNG なら -)</translation>
    </message>
    <message>
        <source>one PICTURE at most, %1 given: %2</source>
        <translation>画像は 1 つまでですが、%1 個指定されました: %2</translation>
    </message>
    <message>
        <source>--%1 works only with --output</source>
        <translation>--%1 は --output と一緒にしか使えません</translation>
    </message>
    <message>
        <source>Try &apos;velkar --help&apos; for more information.</source>
        <translation>詳しくは &apos;velkar --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>no OpenGL without a window: %1</source>
        <translation>ウィンドウなしでは OpenGL を使えません: %1</translation>
    </message>
    <message>
        <source>--size: at most %1 pixels a side here (the OpenGL implementation&apos;s largest frame)</source>
        <translation>--size: ここでは 1 辺 %1 ピクセルまでです (OpenGL 実装の最大フレーム)</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>標準出力</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>--keys: no key is called &quot;%1&quot;</source>
        <translation>--keys: 「%1」という名前のキーはありません</translation>
    </message>
    <message>
        <source>--keys: %1 only works in a window</source>
        <translation>--keys: %1 はウィンドウ内でのみ使えます</translation>
    </message>
    <message>
        <source>The frames of --duration are put in place together once all are written: a run that
fails leaves none of its own behind. Files of an earlier run with more frames are
left as they are; remove them first if the new set must stand alone.
</source>
        <translation>--duration のフレームは、すべて書き終えてからまとめて配置されます。失敗した実行は
自分のファイルを何も残しません。フレーム数の多い以前の実行のファイルはそのまま
残るので、新しい一式だけにしたい場合は先に削除してください。
</translation>
    </message>
    <message>
        <source>Neither read nor write the settings: start as the very first time.</source>
        <translation>設定を読み書きしません。初回と同じ状態で起動します。</translation>
    </message>
    <message>
        <source>With --output: what shows around the phone, a colour (#202020, black, ...; default: white) or transparent (PNG only).</source>
        <translation>--output 使用時: 電話の周りに見えるもの。色 (#202020、black など。既定: white) または transparent (PNG のみ)。</translation>
    </message>
    <message>
        <source>With --output: frames of the window over SECONDS from the start, R and F animated as in the window; FILE then holds {frame}, the frame&apos;s number, or is - (the PNGs one after another).</source>
        <translation>--output 使用時: 開始から「秒数」の間のウィンドウのフレーム。R と F はウィンドウと同じようにアニメーションします。このとき「ファイル」には {frame} (フレーム番号) を含めるか、- にします (PNG を順に出力)。</translation>
    </message>
    <message>
        <source>With --duration: frames a second, 1 to 240 (default: 30).</source>
        <translation>--duration 使用時: 1 秒あたりのフレーム数、1 から 240 (既定: 30)。</translation>
    </message>
    <message>
        <source>The picture for the phone&apos;s main screen, in any format Qt reads (default: the one chosen in the window last, else nqw.bmp in the working directory).</source>
        <translation>電話のメイン画面に表示する画像。Qt が読める形式ならどれでも使えます (既定: ウィンドウで最後に選んだ画像、なければ作業ディレクトリの nqw.bmp)。</translation>
    </message>
    <message>
        <source>--background: &quot;%1&quot; is not a colour (#RRGGBB, a name such as black, or transparent)</source>
        <translation>--background: 「%1」は色ではありません (#RRGGBB、black などの名前、または transparent)</translation>
    </message>
    <message>
        <source>--duration: &quot;%1&quot; is not a duration (seconds above 0, at most %2)</source>
        <translation>--duration: 「%1」は長さではありません (0 より大きく %2 以下の秒数)</translation>
    </message>
    <message>
        <source>--fps: &quot;%1&quot; is not a frame rate (1 to %2 frames a second)</source>
        <translation>--fps: 「%1」はフレームレートではありません (毎秒 1 から %2 フレーム)</translation>
    </message>
    <message>
        <source>--duration: the file name must hold {frame}, for the frame&apos;s number, or be - for standard output</source>
        <translation>--duration: ファイル名にはフレーム番号を表す {frame} を含めるか、標準出力なら - にする必要があります</translation>
    </message>
    <message>
        <source>--output: %1: {frame} numbers the frames of --duration, which is not given</source>
        <translation>--output: %1: {frame} は --duration のフレーム番号ですが、--duration が指定されていません</translation>
    </message>
    <message>
        <source>--fps works only with --duration</source>
        <translation>--fps は --duration と一緒にしか使えません</translation>
    </message>
    <message>
        <source>--background transparent: %1: JPEG has no transparency, use .png</source>
        <translation>--background transparent: %1: JPEG には透明度がありません。.png を使ってください</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>画像をエンコードできませんでした</translation>
    </message>
    <message>
        <source>EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)</source>
        <translation>EGL にサーフェスなしのプラットフォームがありません (EGL_MESA_platform_surfaceless)</translation>
    </message>
    <message>
        <source>EGL&apos;s surfaceless platform did not start</source>
        <translation>EGL のサーフェスなしのプラットフォームを開始できませんでした</translation>
    </message>
    <message>
        <source>EGL offers no desktop OpenGL</source>
        <translation>EGL がデスクトップ OpenGL を提供していません</translation>
    </message>
    <message>
        <source>EGL made no OpenGL compatibility context</source>
        <translation>EGL が OpenGL の互換プロファイルのコンテキストを作成しませんでした</translation>
    </message>
    <message>
        <source>the OpenGL context could not be made current without a surface</source>
        <translation>サーフェスなしでは OpenGL コンテキストをカレントにできませんでした</translation>
    </message>
    <message>
        <source>no temporary file could be made beside it</source>
        <translation>隣に一時ファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>色</translation>
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
        <translation>ふたに現在の時刻を表示する、折りたたみ携帯電話のインタラクティブな 3D モデルです。</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>MIT ライセンスで公開しています。</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the velkar developers</source>
        <translation>Copyright (c) 2026 velkar 開発者</translation>
    </message>
    <message>
        <source>The translations are the project&apos;s own work, under the same licence.</source>
        <translation>翻訳はこのプロジェクト自身によるもので、同じライセンスで提供しています。</translation>
    </message>
    <message>
        <source>About Velkar</source>
        <translation>Velkar について</translation>
    </message>
    <message>
        <source>Open Picture…</source>
        <translation>画像を開く…</translation>
    </message>
    <message>
        <source>Save Screenshot</source>
        <translation>スクリーンショットを保存</translation>
    </message>
    <message>
        <source>Open Lid</source>
        <translation>ふたを開く</translation>
    </message>
    <message>
        <source>Close Lid</source>
        <translation>ふたを閉じる</translation>
    </message>
    <message>
        <source>Lid One Step Open</source>
        <translation>ふたを 1 段階開く</translation>
    </message>
    <message>
        <source>Lid One Step Closed</source>
        <translation>ふたを 1 段階閉じる</translation>
    </message>
    <message>
        <source>Antialiasing</source>
        <translation>アンチエイリアス</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>表示をリセット</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>操作方法</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>スライドショー</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Open Folder…</source>
        <translation>フォルダーを開く…</translation>
    </message>
    <message>
        <source>Next Picture</source>
        <translation>次の画像</translation>
    </message>
    <message>
        <source>Previous Picture</source>
        <translation>前の画像</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 秒</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 分</translation>
    </message>
    <message>
        <source>5 Minutes</source>
        <translation>5 分</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 時間</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>シャッフル</translation>
    </message>
    <message>
        <source>Stay on Top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Standard Picture</source>
        <translation>標準の画像</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Hide Title Bar</source>
        <translation>タイトルバーを隠す</translation>
    </message>
    <message>
        <source>Move Window</source>
        <translation>ウィンドウを移動</translation>
    </message>
    <message>
        <source>Wayland has no way for a program to keep its window above others; your desktop&apos;s own window menu may</source>
        <translation>Wayland では、プログラムが自分のウィンドウを他のウィンドウより手前に保つ方法がありません。デスクトップのウィンドウメニューならできる場合があります</translation>
    </message>
    <message>
        <source>Move Window: the window system does not move windows for programs here; drag the window with Alt or Super held</source>
        <translation>ウィンドウを移動: このウィンドウシステムはプログラムからのウィンドウの移動に対応していません。Alt または Super を押しながらウィンドウをドラッグしてください</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>drag with the mouse</source>
        <translation>マウスでドラッグ</translation>
    </message>
    <message>
        <source>turn the phone</source>
        <translation>電話を回転</translation>
    </message>
    <message>
        <source>mouse wheel, + = -</source>
        <translation>マウスホイール、+ = -</translation>
    </message>
    <message>
        <source>zoom in and out</source>
        <translation>拡大・縮小</translation>
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
        <translation>上・左・下・右へ移動</translation>
    </message>
    <message>
        <source>T / G</source>
        <translation>T / G</translation>
    </message>
    <message>
        <source>open / close the lid by one step</source>
        <translation>ふたを 1 段階開く / 閉じる</translation>
    </message>
    <message>
        <source>R / F</source>
        <translation>R / F</translation>
    </message>
    <message>
        <source>open / close the lid fully (about three seconds)</source>
        <translation>ふたを完全に開く / 閉じる (約 3 秒)</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>antialiasing on or off</source>
        <translation>アンチエイリアスのオン・オフ</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>back to the start-up view</source>
        <translation>最初の表示に戻す</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>save a screenshot in your Pictures folder</source>
        <translation>スクリーンショットを「ピクチャ」フォルダーに保存</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>open a picture for the main screen</source>
        <translation>メイン画面の画像を開く</translation>
    </message>
    <message>
        <source>drop an image file</source>
        <translation>画像ファイルをドロップ</translation>
    </message>
    <message>
        <source>show it on the main screen</source>
        <translation>メイン画面に表示</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen on or off</source>
        <translation>全画面表示のオン・オフ</translation>
    </message>
    <message>
        <source>F1 / H</source>
        <translation>F1 / H</translation>
    </message>
    <message>
        <source>show or hide this list on the window</source>
        <translation>この一覧の表示・非表示</translation>
    </message>
    <message>
        <source>a menu of every command</source>
        <translation>全コマンドのメニュー</translation>
    </message>
    <message>
        <source>Escape, Ctrl+Q</source>
        <translation>Esc、Ctrl+Q</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Controls:</source>
        <translation>操作方法:</translation>
    </message>
    <message>
        <source>right-click, Shift+F10, Menu</source>
        <translation>右クリック、Shift+F10、Menu</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>copy the frame, as F12 would save it</source>
        <translation>フレームをコピー (F12 で保存するものと同じ)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>show the pictures of a folder in turn</source>
        <translation>フォルダーの画像を順に表示</translation>
    </message>
    <message>
        <source>PageDown / PageUp</source>
        <translation>PageDown / PageUp</translation>
    </message>
    <message>
        <source>the next / previous picture of the folder</source>
        <translation>フォルダーの次 / 前の画像</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>keep the window above others, or not</source>
        <translation>常に手前に表示のオン・オフ</translation>
    </message>
    <message>
        <source>menu only</source>
        <translation>メニューのみ</translation>
    </message>
    <message>
        <source>Standard Picture, Start at Login,</source>
        <translation>標準の画像、ログイン時に起動、</translation>
    </message>
    <message>
        <source>Hide Title Bar, Move Window</source>
        <translation>タイトルバーを隠す、ウィンドウを移動</translation>
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
        <translation>ほかのキーを押すかクリックすると、この一覧を閉じます。</translation>
    </message>
</context>
<context>
    <name>Desk</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>そのフォルダーを作成できません</translation>
    </message>
    <message>
        <source>The folding phone&apos;s clocks, started at login</source>
        <translation>折りたたみ携帯電話の時計 (ログイン時に起動)</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>Pictures (%1)</source>
        <translation>画像 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>no screen picture: &quot;%1&quot; in %2: %3</source>
        <translation>画面の画像を読み込めません: %2 の「%1」: %3</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>ディレクトリです</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>名前付きパイプで、通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>ソケットで、通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>キャラクターデバイスで、通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>ブロックデバイスで、通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>読み取り権限がありません</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>シンボリックリンクがループしています</translation>
    </message>
    <message>
        <source>not an image this program can read</source>
        <translation>このプログラムで読める画像ではありません</translation>
    </message>
    <message>
        <source>its header claims %1x%2 pixels, more than %3x%3</source>
        <translation>ヘッダーによると %1x%2 ピクセルで、%3x%3 を超えています</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>ファイルが途中で切れています</translation>
    </message>
    <message>
        <source>it is %1 MiB, more than the %2 MiB a picture of at most %3x%3 pixels needs</source>
        <translation>%1 MiB あり、%3x%3 ピクセル以下の画像に必要な %2 MiB を超えています</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, and it cannot be used</source>
        <translation>名前が正しい UTF-8 ではないため使えません</translation>
    </message>
</context>
<context>
    <name>Scene3D</name>
    <message>
        <source>Right-click for the menu of commands, F1 for the list of controls</source>
        <translation>右クリックでコマンドのメニュー、F1 で操作方法の一覧</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>lid closed</source>
        <translation>ふたは閉じています</translation>
    </message>
    <message>
        <source>lid open</source>
        <translation>ふたは開いています</translation>
    </message>
    <message>
        <source>lid partly open</source>
        <translation>ふたは少し開いています</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>画像なし</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1、%2、%3</translation>
    </message>
</context>
<context>
    <name>Screenshot</name>
    <message>
        <source>screenshot not saved: %1: %2</source>
        <translation>スクリーンショットを保存できません: %1: %2</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>保存しました: %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>no permission to create a folder in %1</source>
        <translation>%1 にフォルダーを作成する権限がありません</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>there is no Pictures folder</source>
        <translation>「ピクチャ」フォルダーがありません</translation>
    </message>
    <message>
        <source>%1 names of that second are taken</source>
        <translation>その秒の名前 %1 個はすべて使用済みです</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 「%2」は %3 から %4 までの数値ではありません</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is neither true nor false</source>
        <translation>%1 「%2」は true でも false でもありません</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of standard, file, folder</source>
        <translation>%1 「%2」は standard、file、folder のいずれでもありません</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is gone</source>
        <translation>ファイル「%1」がなくなっています</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is gone</source>
        <translation>フォルダー「%1」がなくなっています</translation>
    </message>
    <message>
        <source>%1; starting as the first time, and leaving the file as it is</source>
        <translation>%1。初回と同じ状態で起動し、ファイルはそのままにします</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <source>it cannot be copied to be read: %1</source>
        <translation>読み込み用にコピーできません: %1</translation>
    </message>
    <message>
        <source>it is not an INI file</source>
        <translation>INI ファイルではありません</translation>
    </message>
    <message>
        <source>%1; using the defaults for those</source>
        <translation>%1。これらには既定値を使います</translation>
    </message>
    <message>
        <source>settings %1: %2</source>
        <translation>設定 %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>書き込めません</translation>
    </message>
    <message>
        <source>settings not saved: %1: %2</source>
        <translation>設定を保存できません: %1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between two problems</comment>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>no picture in &quot;%1&quot; can be read; the standard picture is shown</source>
        <translation>「%1」の画像を 1 枚も読み込めません。標準の画像を表示します</translation>
    </message>
    <message>
        <source>no picture in &quot;%1&quot; can be read: %2; the standard picture is shown</source>
        <translation>「%1」の画像を 1 枚も読み込めません: %2。標準の画像を表示します</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>フォルダーがありません</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>読み取り権限がありません</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>numbered</name>
    <message>
        <source>28</source>
        <extracomment>Error</extracomment>
        <translation>エラー</translation>
    </message>
    <message>
        <source>3500</source>
        <extracomment>High Q</extracomment>
        <translation>ハイQ</translation>
    </message>
    <message>
        <source>3501</source>
        <extracomment>Slap</extracomment>
        <translation>スラップ</translation>
    </message>
    <message>
        <source>3502</source>
        <extracomment>Scratch Push</extracomment>
        <translation>スクラッチプッシュ</translation>
    </message>
    <message>
        <source>3503</source>
        <extracomment>Scratch Pull</extracomment>
        <translation>スクラッチプル</translation>
    </message>
    <message>
        <source>3504</source>
        <extracomment>Sticks</extracomment>
        <translation>スティック</translation>
    </message>
    <message>
        <source>3505</source>
        <extracomment>Square Kick</extracomment>
        <translation>スクエアキック</translation>
    </message>
    <message>
        <source>3506</source>
        <extracomment>Metronome Click</extracomment>
        <translation>メトロノームクリック</translation>
    </message>
    <message>
        <source>3507</source>
        <extracomment>Metronome Bell</extracomment>
        <translation>メトロノームベル</translation>
    </message>
    <message>
        <source>3508</source>
        <extracomment>Ac. Bass Drum</extracomment>
        <translation>アコースティックバスドラム</translation>
    </message>
    <message>
        <source>3509</source>
        <extracomment>Bass Drum 1</extracomment>
        <translation>バスドラム 1</translation>
    </message>
    <message>
        <source>3510</source>
        <extracomment>Side Stick</extracomment>
        <translation>サイドスティック</translation>
    </message>
    <message>
        <source>3511</source>
        <extracomment>Acoustic Snare</extracomment>
        <translation>アコースティックスネア</translation>
    </message>
    <message>
        <source>3512</source>
        <extracomment>Hand Clap</extracomment>
        <translation>ハンドクラップ</translation>
    </message>
    <message>
        <source>3513</source>
        <extracomment>Electric Snare</extracomment>
        <translation>エレクトリックスネア</translation>
    </message>
    <message>
        <source>3514</source>
        <extracomment>Low Floor Tom</extracomment>
        <translation>ローフロアタム</translation>
    </message>
    <message>
        <source>3515</source>
        <extracomment>Closed Hi-Hat</extracomment>
        <translation>クローズドハイハット</translation>
    </message>
    <message>
        <source>3516</source>
        <extracomment>High Floor Tom</extracomment>
        <translation>ハイフロアタム</translation>
    </message>
    <message>
        <source>3517</source>
        <extracomment>Pedal Hi-Hat</extracomment>
        <translation>ペダルハイハット</translation>
    </message>
    <message>
        <source>3518</source>
        <extracomment>Low Tom</extracomment>
        <translation>ロータム</translation>
    </message>
    <message>
        <source>3519</source>
        <extracomment>Open Hi-Hat</extracomment>
        <translation>オープンハイハット</translation>
    </message>
    <message>
        <source>3520</source>
        <extracomment>Low-Mid Tom</extracomment>
        <translation>ローミッドタム</translation>
    </message>
    <message>
        <source>3521</source>
        <extracomment>Hi-Mid Tom</extracomment>
        <translation>ハイミッドタム</translation>
    </message>
    <message>
        <source>3522</source>
        <extracomment>Crash Cymbal</extracomment>
        <translation>クラッシュシンバル</translation>
    </message>
    <message>
        <source>3523</source>
        <extracomment>High Tom</extracomment>
        <translation>ハイタム</translation>
    </message>
    <message>
        <source>3524</source>
        <extracomment>Ride Cymbal 1</extracomment>
        <translation>ライドシンバル 1</translation>
    </message>
    <message>
        <source>3525</source>
        <extracomment>Chinese Cymbal</extracomment>
        <translation>チャイニーズシンバル</translation>
    </message>
    <message>
        <source>3526</source>
        <extracomment>Ride Bell</extracomment>
        <translation>ライドベル</translation>
    </message>
    <message>
        <source>3527</source>
        <extracomment>Tambourine</extracomment>
        <translation>タンバリン</translation>
    </message>
    <message>
        <source>3528</source>
        <extracomment>Splash Cymbal</extracomment>
        <translation>スプラッシュシンバル</translation>
    </message>
    <message>
        <source>3529</source>
        <extracomment>Cowbell</extracomment>
        <translation>カウベル</translation>
    </message>
    <message>
        <source>3530</source>
        <extracomment>Crash Cymbal 2</extracomment>
        <translation>クラッシュシンバル 2</translation>
    </message>
    <message>
        <source>3531</source>
        <extracomment>Vibraslap</extracomment>
        <translation>ビブラスラップ</translation>
    </message>
    <message>
        <source>3532</source>
        <extracomment>Ride Cymbal 2</extracomment>
        <translation>ライドシンバル 2</translation>
    </message>
    <message>
        <source>3533</source>
        <extracomment>High Bongo</extracomment>
        <translation>ハイボンゴ</translation>
    </message>
    <message>
        <source>3534</source>
        <extracomment>Low Bongo</extracomment>
        <translation>ローボンゴ</translation>
    </message>
    <message>
        <source>3535</source>
        <extracomment>Mute High Conga</extracomment>
        <translation>ミュートハイコンガ</translation>
    </message>
    <message>
        <source>3536</source>
        <extracomment>Open High Conga</extracomment>
        <translation>オープンハイコンガ</translation>
    </message>
    <message>
        <source>3537</source>
        <extracomment>Low Conga</extracomment>
        <translation>ローコンガ</translation>
    </message>
    <message>
        <source>3538</source>
        <extracomment>High Timbale</extracomment>
        <translation>ハイティンバレス</translation>
    </message>
    <message>
        <source>3539</source>
        <extracomment>Low Timbale</extracomment>
        <translation>ローティンバレス</translation>
    </message>
    <message>
        <source>3540</source>
        <extracomment>High Agogo</extracomment>
        <translation>ハイアゴゴ</translation>
    </message>
    <message>
        <source>3541</source>
        <extracomment>Low Agogo</extracomment>
        <translation>ローアゴゴ</translation>
    </message>
    <message>
        <source>3542</source>
        <extracomment>Cabasa</extracomment>
        <translation>カバサ</translation>
    </message>
    <message>
        <source>3543</source>
        <extracomment>Maracas</extracomment>
        <translation>マラカス</translation>
    </message>
    <message>
        <source>3544</source>
        <extracomment>Short Whistle</extracomment>
        <translation>ショートホイッスル</translation>
    </message>
    <message>
        <source>3545</source>
        <extracomment>Long Whistle</extracomment>
        <translation>ロングホイッスル</translation>
    </message>
    <message>
        <source>3546</source>
        <extracomment>Short Guiro</extracomment>
        <translation>ショートギロ</translation>
    </message>
    <message>
        <source>3547</source>
        <extracomment>Long Guiro</extracomment>
        <translation>ロングギロ</translation>
    </message>
    <message>
        <source>3548</source>
        <extracomment>Claves</extracomment>
        <translation>クラベス</translation>
    </message>
    <message>
        <source>3549</source>
        <extracomment>High Wood Block</extracomment>
        <translation>ハイウッドブロック</translation>
    </message>
    <message>
        <source>3550</source>
        <extracomment>Low Wood Block</extracomment>
        <translation>ローウッドブロック</translation>
    </message>
    <message>
        <source>3551</source>
        <extracomment>Mute Cuica</extracomment>
        <translation>ミュートクイーカ</translation>
    </message>
    <message>
        <source>3552</source>
        <extracomment>Open Cuica</extracomment>
        <translation>オープンクイーカ</translation>
    </message>
    <message>
        <source>3553</source>
        <extracomment>Mute Triangle</extracomment>
        <translation>ミュートトライアングル</translation>
    </message>
    <message>
        <source>3554</source>
        <extracomment>Open Triangle</extracomment>
        <translation>オープントライアングル</translation>
    </message>
    <message>
        <source>3555</source>
        <extracomment>Shaker</extracomment>
        <translation>シェイカー</translation>
    </message>
    <message>
        <source>3556</source>
        <extracomment>Jingle Bell</extracomment>
        <translation>ジングルベル</translation>
    </message>
    <message>
        <source>3557</source>
        <extracomment>Belltree</extracomment>
        <translation>ベルツリー</translation>
    </message>
    <message>
        <source>3558</source>
        <extracomment>Castanets</extracomment>
        <translation>カスタネット</translation>
    </message>
    <message>
        <source>3559</source>
        <extracomment>Mute Surdo</extracomment>
        <translation>ミュートスルド</translation>
    </message>
    <message>
        <source>3560</source>
        <extracomment>Open Surdo</extracomment>
        <translation>オープンスルド</translation>
    </message>
    <message>
        <source>3565</source>
        <extracomment>Could not communicate with EXE, exiting program.</extracomment>
        <translation>EXE と通信できませんでした。プログラムを終了します。</translation>
    </message>
    <message>
        <source>3566</source>
        <extracomment>Could not load BMP from RES file, exiting program.</extracomment>
        <translation>RES ファイルから BMP を読み込めませんでした。プログラムを終了します。</translation>
    </message>
    <message>
        <source>3567</source>
        <extracomment>Note Velocity</extracomment>
        <translation>ノートベロシティ</translation>
    </message>
    <message>
        <source>3568</source>
        <extracomment>High Velocity (Shift key pressed)</extracomment>
        <translation>強 (Shift キーを押したとき)</translation>
    </message>
    <message>
        <source>3569</source>
        <extracomment>Low Velocity (No Shift key)</extracomment>
        <translation>弱 (Shift キーなし)</translation>
    </message>
    <message>
        <source>3570</source>
        <extracomment>Randomize</extracomment>
        <translation>ランダマイズ</translation>
    </message>
    <message>
        <source>3571</source>
        <extracomment>Range %</extracomment>
        <translation>範囲 %</translation>
    </message>
    <message>
        <source>3572</source>
        <extracomment>Instrument Hints</extracomment>
        <translation>楽器のヒント</translation>
    </message>
    <message>
        <source>3573</source>
        <extracomment>Show Note Name</extracomment>
        <translation>ノート名を表示</translation>
    </message>
    <message>
        <source>3574</source>
        <extracomment>Show MIDI Note Number</extracomment>
        <translation>MIDI ノート番号を表示</translation>
    </message>
    <message>
        <source>3575</source>
        <extracomment>Show Computer Key</extracomment>
        <translation>PC キーボードのキーを表示</translation>
    </message>
    <message>
        <source>3576</source>
        <extracomment>Show</extracomment>
        <translation>表示</translation>
    </message>
    <message>
        <source>3577</source>
        <extracomment>Show All Instruments</extracomment>
        <translation>すべての楽器を表示</translation>
    </message>
    <message>
        <source>3578</source>
        <extracomment>Show Used Instruments</extracomment>
        <translation>使用した楽器だけ表示</translation>
    </message>
    <message>
        <source>3579</source>
        <extracomment>OK</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>3580</source>
        <extracomment>Cancel</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>3581</source>
        <extracomment>Help</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>3710</source>
        <extracomment>Numpad '7'</extracomment>
        <translation>テンキー '7'</translation>
    </message>
    <message>
        <source>3711</source>
        <extracomment>Numpad '4'</extracomment>
        <translation>テンキー '4'</translation>
    </message>
    <message>
        <source>3712</source>
        <extracomment>Numpad '9'</extracomment>
        <translation>テンキー '9'</translation>
    </message>
    <message>
        <source>3713</source>
        <extracomment>Numpad '8'</extracomment>
        <translation>テンキー '8'</translation>
    </message>
    <message>
        <source>3714</source>
        <extracomment>'9'</extracomment>
        <translation>'9'</translation>
    </message>
    <message>
        <source>3715</source>
        <extracomment>Numpad '1'</extracomment>
        <translation>テンキー '1'</translation>
    </message>
    <message>
        <source>3716</source>
        <extracomment>Del (left arrow key)</extracomment>
        <translation>Del (左矢印キー)</translation>
    </message>
    <message>
        <source>3717</source>
        <extracomment>'~' (tilde key)</extracomment>
        <translation>'~' (チルダキー)</translation>
    </message>
    <message>
        <source>3718</source>
        <extracomment>'X'</extracomment>
        <translation>'X'</translation>
    </message>
    <message>
        <source>3719</source>
        <extracomment>'Z'</extracomment>
        <translation>'Z'</translation>
    </message>
    <message>
        <source>3720</source>
        <extracomment>'V'</extracomment>
        <translation>'V'</translation>
    </message>
    <message>
        <source>3721</source>
        <extracomment>'C'</extracomment>
        <translation>'C'</translation>
    </message>
    <message>
        <source>3722</source>
        <extracomment>'N'</extracomment>
        <translation>'N'</translation>
    </message>
    <message>
        <source>3723</source>
        <extracomment>'B'</extracomment>
        <translation>'B'</translation>
    </message>
    <message>
        <source>3724</source>
        <extracomment>''' (apostrophe)</extracomment>
        <translation>''' (アポストロフィ)</translation>
    </message>
    <message>
        <source>3725</source>
        <extracomment>',' (comma)</extracomment>
        <translation>',' (カンマ)</translation>
    </message>
    <message>
        <source>3726</source>
        <extracomment>';' (semicolon)</extracomment>
        <translation>';' (セミコロン)</translation>
    </message>
    <message>
        <source>3727</source>
        <extracomment>'.' (period)</extracomment>
        <translation>'.' (ピリオド)</translation>
    </message>
    <message>
        <source>3728</source>
        <extracomment>'L'</extracomment>
        <translation>'L'</translation>
    </message>
    <message>
        <source>3729</source>
        <extracomment>'/'</extracomment>
        <translation>'/'</translation>
    </message>
    <message>
        <source>3730</source>
        <extracomment>'K'</extracomment>
        <translation>'K'</translation>
    </message>
    <message>
        <source>3731</source>
        <extracomment>'J'</extracomment>
        <translation>'J'</translation>
    </message>
    <message>
        <source>3732</source>
        <extracomment>'S'</extracomment>
        <translation>'S'</translation>
    </message>
    <message>
        <source>3733</source>
        <extracomment>'H'</extracomment>
        <translation>'H'</translation>
    </message>
    <message>
        <source>3734</source>
        <extracomment>'F'</extracomment>
        <translation>'F'</translation>
    </message>
    <message>
        <source>3735</source>
        <extracomment>'W'</extracomment>
        <translation>'W'</translation>
    </message>
    <message>
        <source>3736</source>
        <extracomment>'G'</extracomment>
        <translation>'G'</translation>
    </message>
    <message>
        <source>3737</source>
        <extracomment>(backslash)</extracomment>
        <translation>(バックスラッシュ)</translation>
    </message>
    <message>
        <source>3738</source>
        <extracomment>'Q'</extracomment>
        <translation>'Q'</translation>
    </message>
    <message>
        <source>3739</source>
        <extracomment>'M'</extracomment>
        <translation>'M'</translation>
    </message>
    <message>
        <source>3740</source>
        <extracomment>'A'</extracomment>
        <translation>'A'</translation>
    </message>
    <message>
        <source>3741</source>
        <extracomment>Numpad '.'</extracomment>
        <translation>テンキー '.'</translation>
    </message>
    <message>
        <source>3742</source>
        <extracomment>'D'</extracomment>
        <translation>'D'</translation>
    </message>
    <message>
        <source>3743</source>
        <extracomment>'[' (open bracket)</extracomment>
        <translation>'[' (左角かっこ)</translation>
    </message>
    <message>
        <source>3744</source>
        <extracomment>']' (close bracket)</extracomment>
        <translation>']' (右角かっこ)</translation>
    </message>
    <message>
        <source>3745</source>
        <extracomment>'I'</extracomment>
        <translation>'I'</translation>
    </message>
    <message>
        <source>3746</source>
        <extracomment>'O'</extracomment>
        <translation>'O'</translation>
    </message>
    <message>
        <source>3747</source>
        <extracomment>'P'</extracomment>
        <translation>'P'</translation>
    </message>
    <message>
        <source>3748</source>
        <extracomment>'R'</extracomment>
        <translation>'R'</translation>
    </message>
    <message>
        <source>3749</source>
        <extracomment>'T'</extracomment>
        <translation>'T'</translation>
    </message>
    <message>
        <source>3750</source>
        <extracomment>'3'</extracomment>
        <translation>'3'</translation>
    </message>
    <message>
        <source>3751</source>
        <extracomment>'4'</extracomment>
        <translation>'4'</translation>
    </message>
    <message>
        <source>3752</source>
        <extracomment>'0' (zero)</extracomment>
        <translation>'0' (ゼロ)</translation>
    </message>
    <message>
        <source>3753</source>
        <extracomment>'='</extracomment>
        <translation>'='</translation>
    </message>
    <message>
        <source>3754</source>
        <extracomment>Numpad '2'</extracomment>
        <translation>テンキー '2'</translation>
    </message>
    <message>
        <source>3755</source>
        <extracomment>Numpad '3'</extracomment>
        <translation>テンキー '3'</translation>
    </message>
    <message>
        <source>3756</source>
        <extracomment>Numpad '5'</extracomment>
        <translation>テンキー '5'</translation>
    </message>
    <message>
        <source>3757</source>
        <extracomment>Numpad '6'</extracomment>
        <translation>テンキー '6'</translation>
    </message>
    <message>
        <source>3758</source>
        <extracomment>'6'</extracomment>
        <translation>'6'</translation>
    </message>
    <message>
        <source>3759</source>
        <extracomment>'7'</extracomment>
        <translation>'7'</translation>
    </message>
    <message>
        <source>3760</source>
        <extracomment>'8'</extracomment>
        <translation>'8'</translation>
    </message>
    <message>
        <source>3761</source>
        <extracomment>Numpad '/'</extracomment>
        <translation>テンキー '/'</translation>
    </message>
    <message>
        <source>3762</source>
        <extracomment>Numpad '*'</extracomment>
        <translation>テンキー '*'</translation>
    </message>
    <message>
        <source>3763</source>
        <extracomment>'2'</extracomment>
        <translation>'2'</translation>
    </message>
    <message>
        <source>3764</source>
        <extracomment>'1'</extracomment>
        <translation>'1'</translation>
    </message>
    <message>
        <source>3765</source>
        <extracomment>'-' (minus key)</extracomment>
        <translation>'-' (マイナスキー)</translation>
    </message>
    <message>
        <source>3766</source>
        <extracomment>'E'</extracomment>
        <translation>'E'</translation>
    </message>
    <message>
        <source>3767</source>
        <extracomment>Numpad '0'</extracomment>
        <translation>テンキー '0'</translation>
    </message>
    <message>
        <source>3768</source>
        <extracomment>'5'</extracomment>
        <translation>'5'</translation>
    </message>
    <message>
        <source>3769</source>
        <extracomment>'Y'</extracomment>
        <translation>'Y'</translation>
    </message>
    <message>
        <source>3770</source>
        <extracomment>'U'</extracomment>
        <translation>'U'</translation>
    </message>
    <message>
        <source>3771</source>
        <extracomment>Drum window is always on top</extracomment>
        <translation>ドラムウィンドウを常に手前に表示</translation>
    </message>
    <message>
        <source>3772</source>
        <extracomment>Press F1 for Help</extracomment>
        <translation>F1 キーでヘルプ</translation>
    </message>
    <message>
        <source>3773</source>
        <extracomment>Full-size Window</extracomment>
        <translation>フルサイズ ウィンドウ</translation>
    </message>
    <message>
        <source>3774</source>
        <extracomment>Half-size Window</extracomment>
        <translation>1/2 サイズ ウィンドウ</translation>
    </message>
    <message>
        <source>3775</source>
        <extracomment>Quarter-size Window</extracomment>
        <translation>1/4 サイズ ウィンドウ</translation>
    </message>
    <message>
        <source>3776</source>
        <extracomment>Settings Dialog</extracomment>
        <translation>設定ダイアログ</translation>
    </message>
    <message>
        <source>3777</source>
        <extracomment>Record (Tab key)</extracomment>
        <translation>録音 (Tab キー)</translation>
    </message>
    <message>
        <source>3778</source>
        <extracomment>Play (Space Key)</extracomment>
        <translation>再生 (スペースキー)</translation>
    </message>
    <message>
        <source>3779</source>
        <extracomment>Rewind (Return key)</extracomment>
        <translation>巻戻し (Enter キー)</translation>
    </message>
    <message>
        <source>3780</source>
        <extracomment>Stop (Space key)</extracomment>
        <translation>停止 (スペースキー)</translation>
    </message>
    <message>
        <source>3781</source>
        <extracomment>Suggestion: You are in 16 color video mode (4 bit). </extracomment>
        <translation>ヒント: 画面は 16 色モード (4 ビット) です。 </translation>
    </message>
    <message>
        <source>3782</source>
        <extracomment>Color of Kettra will be improved if you increase to 16 bit color (using Control Panel | Display | Settings|</extracomment>
        <translation>16 ビットカラー以上にすると Kettra の色がきれいになります (コントロールパネル | 画面 | 設定)。</translation>
    </message>
    <message>
        <source>3783</source>
        <extracomment>Suggestion: You are in 256 color video mode (8 bit).</extracomment>
        <translation>ヒント: 画面は 256 色モード (8 ビット) です。</translation>
    </message>
    <message>
        <source>3784</source>
        <extracomment>Now running in 16 bit (or higher) video color mode.</extracomment>
        <translation>16 ビット以上のカラーで表示しています。</translation>
    </message>
    <message>
        <source>3785</source>
        <extracomment>$Kettra.cfg</extracomment>
        <translation>$Kettra.cfg</translation>
    </message>
    <message>
        <source>3835</source>
        <extracomment>Note Off ($8x)</extracomment>
        <translation>ノートオフ($8x)</translation>
    </message>
    <message>
        <source>3836</source>
        <extracomment>Note On ($9x)</extracomment>
        <translation>ノートオン($9x)</translation>
    </message>
    <message>
        <source>3837</source>
        <extracomment>Poly Pressure ($Ax)</extracomment>
        <translation>ポリアフター($Ax)</translation>
    </message>
    <message>
        <source>3838</source>
        <extracomment>Control Change ($Bx)</extracomment>
        <translation>コントロール($Bx)</translation>
    </message>
    <message>
        <source>3839</source>
        <extracomment>Program Change ($Cx)</extracomment>
        <translation>プログラム($Cx)</translation>
    </message>
    <message>
        <source>3840</source>
        <extracomment>Channel Pressure ($Dx)</extracomment>
        <translation>アフタータッチ($Dx)</translation>
    </message>
    <message>
        <source>3841</source>
        <extracomment>Pitch Bend ($Ex)</extracomment>
        <translation>ピッチベンド($Ex)</translation>
    </message>
    <message>
        <source>3842</source>
        <extracomment>Sysex Start ($F0)</extracomment>
        <translation>SysEx 開始($F0)</translation>
    </message>
    <message>
        <source>3843</source>
        <extracomment>MTC Quarter Frame ($F1)</extracomment>
        <translation>MTC ($F1)</translation>
    </message>
    <message>
        <source>3844</source>
        <extracomment>Song Position Ptr ($F2)</extracomment>
        <translation>ソング位置($F2)</translation>
    </message>
    <message>
        <source>3845</source>
        <extracomment>Song Select ($F3)</extracomment>
        <translation>ソングセレクト($F3)</translation>
    </message>
    <message>
        <source>3846</source>
        <extracomment>Undefined ($F4)</extracomment>
        <translation>未定義($F4)</translation>
    </message>
    <message>
        <source>3847</source>
        <extracomment>Undefined {$F5)</extracomment>
        <translation>未定義($F5)</translation>
    </message>
    <message>
        <source>3848</source>
        <extracomment>Tune Request ($F6)</extracomment>
        <translation>チューン要求($F6)</translation>
    </message>
    <message>
        <source>3849</source>
        <extracomment>Sysex EOX ($F7)</extracomment>
        <translation>SysEx 終了($F7)</translation>
    </message>
    <message>
        <source>3850</source>
        <extracomment>MIDI Timing Clock ($F8)</extracomment>
        <translation>MIDI クロック($F8)</translation>
    </message>
    <message>
        <source>3851</source>
        <extracomment>Undefined ($F9)</extracomment>
        <translation>未定義($F9)</translation>
    </message>
    <message>
        <source>3852</source>
        <extracomment>Song Start ($FA)</extracomment>
        <translation>スタート($FA)</translation>
    </message>
    <message>
        <source>3853</source>
        <extracomment>Song Continue ($FB)</extracomment>
        <translation>コンティニュー($FB)</translation>
    </message>
    <message>
        <source>3854</source>
        <extracomment>Song Stop ($FC)</extracomment>
        <translation>ストップ($FC)</translation>
    </message>
    <message>
        <source>3855</source>
        <extracomment>Undefined ($FD)</extracomment>
        <translation>未定義($FD)</translation>
    </message>
    <message>
        <source>3856</source>
        <extracomment>Active Sensing ($FE)</extracomment>
        <translation>センシング($FE)</translation>
    </message>
    <message>
        <source>3857</source>
        <extracomment>System Reset ($FF)</extracomment>
        <translation>リセット($FF)</translation>
    </message>
    <message>
        <source>3858</source>
        <extracomment>Velocity = </extracomment>
        <translation>ベロシティ = </translation>
    </message>
    <message>
        <source>3859</source>
        <extracomment>PolyPressure = </extracomment>
        <translation>プレッシャー = </translation>
    </message>
    <message>
        <source>3860</source>
        <extracomment>CC Type = </extracomment>
        <translation>CC 種類 = </translation>
    </message>
    <message>
        <source>3861</source>
        <extracomment>CC Value =</extracomment>
        <translation>CC 値 =</translation>
    </message>
    <message>
        <source>3862</source>
        <extracomment>#0 Bank Select MSB</extracomment>
        <translation>#0 バンクセレクトMSB</translation>
    </message>
    <message>
        <source>3863</source>
        <extracomment>#1 Mod Wheel MSB</extracomment>
        <translation>#1 モジュレーションMSB</translation>
    </message>
    <message>
        <source>3864</source>
        <extracomment>#2 Breath Ctl MSB</extracomment>
        <translation>#2 ブレスMSB</translation>
    </message>
    <message>
        <source>3865</source>
        <extracomment>#3 Undefined</extracomment>
        <translation>#3 未定義</translation>
    </message>
    <message>
        <source>3866</source>
        <extracomment>#4 Foot Ctl MSB</extracomment>
        <translation>#4 フットMSB</translation>
    </message>
    <message>
        <source>3867</source>
        <extracomment>#5 Portamento Time MSB</extracomment>
        <translation>#5 ポルタメント時間MSB</translation>
    </message>
    <message>
        <source>3868</source>
        <extracomment>#6 Data Entry MSB</extracomment>
        <translation>#6 データエントリーMSB</translation>
    </message>
    <message>
        <source>3869</source>
        <extracomment>#7 Main Volume MSB</extracomment>
        <translation>#7 メインボリュームMSB</translation>
    </message>
    <message>
        <source>3870</source>
        <extracomment>#8 Balance MSB</extracomment>
        <translation>#8 バランスMSB</translation>
    </message>
    <message>
        <source>3871</source>
        <extracomment>#9 Undefined</extracomment>
        <translation>#9 未定義</translation>
    </message>
    <message>
        <source>3872</source>
        <extracomment>#10 Pan MSB</extracomment>
        <translation>#10 パンMSB</translation>
    </message>
    <message>
        <source>3873</source>
        <extracomment>#11 Expression MSB</extracomment>
        <translation>#11 エクスプレッションMSB</translation>
    </message>
    <message>
        <source>3874</source>
        <extracomment>#12 Undefined</extracomment>
        <translation>#12 未定義</translation>
    </message>
    <message>
        <source>3875</source>
        <extracomment>#13 Undefined</extracomment>
        <translation>#13 未定義</translation>
    </message>
    <message>
        <source>3876</source>
        <extracomment>#14 Undefined</extracomment>
        <translation>#14 未定義</translation>
    </message>
    <message>
        <source>3877</source>
        <extracomment>#15 Undefined</extracomment>
        <translation>#15 未定義</translation>
    </message>
    <message>
        <source>3878</source>
        <extracomment>#16 General Purpose 1 MSB</extracomment>
        <translation>#16 汎用 1MSB</translation>
    </message>
    <message>
        <source>3879</source>
        <extracomment>#17 General Purpose 2 MSB</extracomment>
        <translation>#17 汎用 2MSB</translation>
    </message>
    <message>
        <source>3880</source>
        <extracomment>#18 General Purpose 3 MSB</extracomment>
        <translation>#18 汎用 3MSB</translation>
    </message>
    <message>
        <source>3881</source>
        <extracomment>#19 General Purpose 4 MSB</extracomment>
        <translation>#19 汎用 4MSB</translation>
    </message>
    <message>
        <source>3882</source>
        <extracomment>#20 Undefined</extracomment>
        <translation>#20 未定義</translation>
    </message>
    <message>
        <source>3883</source>
        <extracomment>#21 Undefined</extracomment>
        <translation>#21 未定義</translation>
    </message>
    <message>
        <source>3884</source>
        <extracomment>#22 Undefined</extracomment>
        <translation>#22 未定義</translation>
    </message>
    <message>
        <source>3885</source>
        <extracomment>#23 Undefined</extracomment>
        <translation>#23 未定義</translation>
    </message>
    <message>
        <source>3886</source>
        <extracomment>#24 Undefined</extracomment>
        <translation>#24 未定義</translation>
    </message>
    <message>
        <source>3887</source>
        <extracomment>#25 Undefined</extracomment>
        <translation>#25 未定義</translation>
    </message>
    <message>
        <source>3888</source>
        <extracomment>#26 Undefined</extracomment>
        <translation>#26 未定義</translation>
    </message>
    <message>
        <source>3889</source>
        <extracomment>#27 Undefined</extracomment>
        <translation>#27 未定義</translation>
    </message>
    <message>
        <source>3890</source>
        <extracomment>#28 Undefined</extracomment>
        <translation>#28 未定義</translation>
    </message>
    <message>
        <source>3891</source>
        <extracomment>#29 Undefined</extracomment>
        <translation>#29 未定義</translation>
    </message>
    <message>
        <source>3892</source>
        <extracomment>#30 Undefined</extracomment>
        <translation>#30 未定義</translation>
    </message>
    <message>
        <source>3893</source>
        <extracomment>#31 Undefined</extracomment>
        <translation>#31 未定義</translation>
    </message>
    <message>
        <source>3894</source>
        <extracomment>#32 Bank Select LSB</extracomment>
        <translation>#32 バンクセレクトLSB</translation>
    </message>
    <message>
        <source>3895</source>
        <extracomment>#33 Mod Wheel LSB</extracomment>
        <translation>#33 モジュレーションLSB</translation>
    </message>
    <message>
        <source>3896</source>
        <extracomment>#34 Breath Ctl LSB</extracomment>
        <translation>#34 ブレスLSB</translation>
    </message>
    <message>
        <source>3897</source>
        <extracomment>#35 Undefined</extracomment>
        <translation>#35 未定義</translation>
    </message>
    <message>
        <source>3898</source>
        <extracomment>#36 Foot Control LSB</extracomment>
        <translation>#36 フットLSB</translation>
    </message>
    <message>
        <source>3899</source>
        <extracomment>#37 Portamento Time LSB</extracomment>
        <translation>#37 ポルタメント時間LSB</translation>
    </message>
    <message>
        <source>3900</source>
        <extracomment>#38 Data Entry LSB</extracomment>
        <translation>#38 データエントリーLSB</translation>
    </message>
    <message>
        <source>3901</source>
        <extracomment>#39 Main Volume LSB</extracomment>
        <translation>#39 メインボリュームLSB</translation>
    </message>
    <message>
        <source>3902</source>
        <extracomment>#40 Balance LSB</extracomment>
        <translation>#40 バランスLSB</translation>
    </message>
    <message>
        <source>3903</source>
        <extracomment>#41 Undefined</extracomment>
        <translation>#41 未定義</translation>
    </message>
    <message>
        <source>3904</source>
        <extracomment>#42 Pan LSB</extracomment>
        <translation>#42 パンLSB</translation>
    </message>
    <message>
        <source>3905</source>
        <extracomment>#43 Expression LSB</extracomment>
        <translation>#43 エクスプレッションLSB</translation>
    </message>
    <message>
        <source>3906</source>
        <extracomment>#44 Undefined</extracomment>
        <translation>#44 未定義</translation>
    </message>
    <message>
        <source>3907</source>
        <extracomment>#45 Undefined</extracomment>
        <translation>#45 未定義</translation>
    </message>
    <message>
        <source>3908</source>
        <extracomment>#46 Undefined</extracomment>
        <translation>#46 未定義</translation>
    </message>
    <message>
        <source>3909</source>
        <extracomment>#47 Undefined</extracomment>
        <translation>#47 未定義</translation>
    </message>
    <message>
        <source>3910</source>
        <extracomment>#48 General Purpose 1 LSB</extracomment>
        <translation>#48 汎用 1LSB</translation>
    </message>
    <message>
        <source>3911</source>
        <extracomment>#49 General Purpose 2 LSB</extracomment>
        <translation>#49 汎用 2LSB</translation>
    </message>
    <message>
        <source>3912</source>
        <extracomment>#50 General Purpose 3 LSB</extracomment>
        <translation>#50 汎用 3LSB</translation>
    </message>
    <message>
        <source>3913</source>
        <extracomment>#51 General Purpose 4 LSB</extracomment>
        <translation>#51 汎用 4LSB</translation>
    </message>
    <message>
        <source>3914</source>
        <extracomment>#52 Undefined</extracomment>
        <translation>#52 未定義</translation>
    </message>
    <message>
        <source>3915</source>
        <extracomment>#53 Undefined</extracomment>
        <translation>#53 未定義</translation>
    </message>
    <message>
        <source>3916</source>
        <extracomment>#54 Undefined</extracomment>
        <translation>#54 未定義</translation>
    </message>
    <message>
        <source>3917</source>
        <extracomment>#55 Undefined</extracomment>
        <translation>#55 未定義</translation>
    </message>
    <message>
        <source>3918</source>
        <extracomment>#56 Undefined</extracomment>
        <translation>#56 未定義</translation>
    </message>
    <message>
        <source>3919</source>
        <extracomment>#57 Undefined</extracomment>
        <translation>#57 未定義</translation>
    </message>
    <message>
        <source>3920</source>
        <extracomment>#58 Undefined</extracomment>
        <translation>#58 未定義</translation>
    </message>
    <message>
        <source>3921</source>
        <extracomment>#59 Undefined</extracomment>
        <translation>#59 未定義</translation>
    </message>
    <message>
        <source>3922</source>
        <extracomment>#60 Undefined</extracomment>
        <translation>#60 未定義</translation>
    </message>
    <message>
        <source>3923</source>
        <extracomment>#61 Undefined</extracomment>
        <translation>#61 未定義</translation>
    </message>
    <message>
        <source>3924</source>
        <extracomment>#62 Undefined</extracomment>
        <translation>#62 未定義</translation>
    </message>
    <message>
        <source>3925</source>
        <extracomment>#63 Undefined</extracomment>
        <translation>#63 未定義</translation>
    </message>
    <message>
        <source>3926</source>
        <extracomment>#64 Sustain Pedal</extracomment>
        <translation>#64 ダンパーペダル</translation>
    </message>
    <message>
        <source>3927</source>
        <extracomment>#65 Portamento</extracomment>
        <translation>#65 ポルタメント</translation>
    </message>
    <message>
        <source>3928</source>
        <extracomment>#66 Sostenuto</extracomment>
        <translation>#66 ソステヌート</translation>
    </message>
    <message>
        <source>3929</source>
        <extracomment>#67 Soft Pedal</extracomment>
        <translation>#67 ソフトペダル</translation>
    </message>
    <message>
        <source>3930</source>
        <extracomment>#68 Undefined</extracomment>
        <translation>#68 未定義</translation>
    </message>
    <message>
        <source>3931</source>
        <extracomment>#69 Hold 2</extracomment>
        <translation>#69 ホールド 2</translation>
    </message>
    <message>
        <source>3932</source>
        <extracomment>#70 Undefined</extracomment>
        <translation>#70 未定義</translation>
    </message>
    <message>
        <source>3933</source>
        <extracomment>#71 Undefined</extracomment>
        <translation>#71 未定義</translation>
    </message>
    <message>
        <source>3934</source>
        <extracomment>#72 Undefined</extracomment>
        <translation>#72 未定義</translation>
    </message>
    <message>
        <source>3935</source>
        <extracomment>#73 Undefined</extracomment>
        <translation>#73 未定義</translation>
    </message>
    <message>
        <source>3936</source>
        <extracomment>#74 Undefined</extracomment>
        <translation>#74 未定義</translation>
    </message>
    <message>
        <source>3937</source>
        <extracomment>#75 Undefined</extracomment>
        <translation>#75 未定義</translation>
    </message>
    <message>
        <source>3938</source>
        <extracomment>#76 Undefined</extracomment>
        <translation>#76 未定義</translation>
    </message>
    <message>
        <source>3939</source>
        <extracomment>#77 Undefined</extracomment>
        <translation>#77 未定義</translation>
    </message>
    <message>
        <source>3940</source>
        <extracomment>#78 Undefined</extracomment>
        <translation>#78 未定義</translation>
    </message>
    <message>
        <source>3941</source>
        <extracomment>#79 Undefined</extracomment>
        <translation>#79 未定義</translation>
    </message>
    <message>
        <source>3942</source>
        <extracomment>#80 General Purpose 5</extracomment>
        <translation>#80 汎用 5</translation>
    </message>
    <message>
        <source>3943</source>
        <extracomment>#81 General Purpose 6</extracomment>
        <translation>#81 汎用 6</translation>
    </message>
    <message>
        <source>3944</source>
        <extracomment>#82 General Purpose 7</extracomment>
        <translation>#82 汎用 7</translation>
    </message>
    <message>
        <source>3945</source>
        <extracomment>#83 General Purpose 8</extracomment>
        <translation>#83 汎用 8</translation>
    </message>
    <message>
        <source>3946</source>
        <extracomment>#84 Undefined</extracomment>
        <translation>#84 未定義</translation>
    </message>
    <message>
        <source>3947</source>
        <extracomment>#85 Undefined</extracomment>
        <translation>#85 未定義</translation>
    </message>
    <message>
        <source>3948</source>
        <extracomment>#86 Undefined</extracomment>
        <translation>#86 未定義</translation>
    </message>
    <message>
        <source>3949</source>
        <extracomment>#87 Undefined</extracomment>
        <translation>#87 未定義</translation>
    </message>
    <message>
        <source>3950</source>
        <extracomment>#88 Undefined</extracomment>
        <translation>#88 未定義</translation>
    </message>
    <message>
        <source>3951</source>
        <extracomment>#89 Undefined</extracomment>
        <translation>#89 未定義</translation>
    </message>
    <message>
        <source>3952</source>
        <extracomment>#90 Undefined</extracomment>
        <translation>#90 未定義</translation>
    </message>
    <message>
        <source>3953</source>
        <extracomment>#91 Reverb Depth</extracomment>
        <translation>#91 リバーブデプス</translation>
    </message>
    <message>
        <source>3954</source>
        <extracomment>#92 Tremolo Depth</extracomment>
        <translation>#92 トレモロデプス</translation>
    </message>
    <message>
        <source>3955</source>
        <extracomment>#93 Chorus Depth</extracomment>
        <translation>#93 コーラスデプス</translation>
    </message>
    <message>
        <source>3956</source>
        <extracomment>#94 Celeste Depth</extracomment>
        <translation>#94 セレステデプス</translation>
    </message>
    <message>
        <source>3957</source>
        <extracomment>#95 Phaser Depth</extracomment>
        <translation>#95 フェイザーデプス</translation>
    </message>
    <message>
        <source>3958</source>
        <extracomment>#96 Data Increment</extracomment>
        <translation>#96 データインクリメント</translation>
    </message>
    <message>
        <source>3959</source>
        <extracomment>#97 Data Decrement</extracomment>
        <translation>#97 データデクリメント</translation>
    </message>
    <message>
        <source>3960</source>
        <extracomment>#98 Non-Registered Param LSB</extracomment>
        <translation>#98 NRPNLSB</translation>
    </message>
    <message>
        <source>3961</source>
        <extracomment>#99 Non-Registered Param MSB</extracomment>
        <translation>#99 NRPNMSB</translation>
    </message>
    <message>
        <source>3962</source>
        <extracomment>#100 Registered Param LSB</extracomment>
        <translation>#100 RPNLSB</translation>
    </message>
    <message>
        <source>3963</source>
        <extracomment>#101 Registered Param MSB</extracomment>
        <translation>#101 RPNMSB</translation>
    </message>
    <message>
        <source>3964</source>
        <extracomment>#102 Undefined</extracomment>
        <translation>#102 未定義</translation>
    </message>
    <message>
        <source>3965</source>
        <extracomment>#103 Undefined</extracomment>
        <translation>#103 未定義</translation>
    </message>
    <message>
        <source>3966</source>
        <extracomment>#104 Undefined</extracomment>
        <translation>#104 未定義</translation>
    </message>
    <message>
        <source>3967</source>
        <extracomment>#105 Undefined</extracomment>
        <translation>#105 未定義</translation>
    </message>
    <message>
        <source>3968</source>
        <extracomment>#106 Undefined</extracomment>
        <translation>#106 未定義</translation>
    </message>
    <message>
        <source>3969</source>
        <extracomment>#107 Undefined</extracomment>
        <translation>#107 未定義</translation>
    </message>
    <message>
        <source>3970</source>
        <extracomment>#108 Undefined</extracomment>
        <translation>#108 未定義</translation>
    </message>
    <message>
        <source>3971</source>
        <extracomment>#109 Undefined</extracomment>
        <translation>#109 未定義</translation>
    </message>
    <message>
        <source>3972</source>
        <extracomment>#110 Undefined</extracomment>
        <translation>#110 未定義</translation>
    </message>
    <message>
        <source>3973</source>
        <extracomment>#111 Undefined</extracomment>
        <translation>#111 未定義</translation>
    </message>
    <message>
        <source>3974</source>
        <extracomment>#112 Undefined</extracomment>
        <translation>#112 未定義</translation>
    </message>
    <message>
        <source>3975</source>
        <extracomment>#113 Undefined</extracomment>
        <translation>#113 未定義</translation>
    </message>
    <message>
        <source>3976</source>
        <extracomment>#114 Undefined</extracomment>
        <translation>#114 未定義</translation>
    </message>
    <message>
        <source>3977</source>
        <extracomment>#115 Undefined</extracomment>
        <translation>#115 未定義</translation>
    </message>
    <message>
        <source>3978</source>
        <extracomment>#116 Undefined</extracomment>
        <translation>#116 未定義</translation>
    </message>
    <message>
        <source>3979</source>
        <extracomment>#117 Undefined</extracomment>
        <translation>#117 未定義</translation>
    </message>
    <message>
        <source>3980</source>
        <extracomment>#118 Undefined</extracomment>
        <translation>#118 未定義</translation>
    </message>
    <message>
        <source>3981</source>
        <extracomment>#119 Undefined</extracomment>
        <translation>#119 未定義</translation>
    </message>
    <message>
        <source>3982</source>
        <extracomment>#120 All Sounds Off</extracomment>
        <translation>#120 オールサウンドオフ</translation>
    </message>
    <message>
        <source>3983</source>
        <extracomment>#121 Reset All Controllers</extracomment>
        <translation>#121 コントローラリセット</translation>
    </message>
    <message>
        <source>3984</source>
        <extracomment>#122 Local Control</extracomment>
        <translation>#122 ローカルコントロール</translation>
    </message>
    <message>
        <source>3985</source>
        <extracomment>#123 All Notes Off</extracomment>
        <translation>#123 オールノートオフ</translation>
    </message>
    <message>
        <source>3986</source>
        <extracomment>#124 Omni Off</extracomment>
        <translation>#124 オムニオフ</translation>
    </message>
    <message>
        <source>3987</source>
        <extracomment>#125 Omni On</extracomment>
        <translation>#125 オムニオン</translation>
    </message>
    <message>
        <source>3988</source>
        <extracomment>#126 Mono On</extracomment>
        <translation>#126 モノモードオン</translation>
    </message>
    <message>
        <source>3989</source>
        <extracomment>#127 Poly On</extracomment>
        <translation>#127 ポリモードオン</translation>
    </message>
    <message>
        <source>3990</source>
        <extracomment>Program = </extracomment>
        <translation>プログラム = </translation>
    </message>
    <message>
        <source>3991</source>
        <extracomment>Ext</extracomment>
        <translation>外部</translation>
    </message>
    <message>
        <source>3992</source>
        <extracomment>Int</extracomment>
        <translation>内部</translation>
    </message>
    <message>
        <source>3993</source>
        <extracomment>Pressure = </extracomment>
        <translation>プレッシャー = </translation>
    </message>
    <message>
        <source>3994</source>
        <extracomment>Bend = </extracomment>
        <translation>ベンド = </translation>
    </message>
    <message>
        <source>3995</source>
        <extracomment>Pitch = </extracomment>
        <translation>ノート = </translation>
    </message>
    <message>
        <source>3996</source>
        <extracomment>MTC Msg # = </extracomment>
        <translation>MTC 種類 = </translation>
    </message>
    <message>
        <source>3997</source>
        <extracomment>MTC Msg Value = </extracomment>
        <translation>MTC 値 = </translation>
    </message>
    <message>
        <source>3998</source>
        <extracomment>Clocks (24 PPQN) =</extracomment>
        <translation>クロック (24 PPQN) =</translation>
    </message>
    <message>
        <source>3999</source>
        <extracomment>Song # = </extracomment>
        <translation>ソング番号 = </translation>
    </message>
    <message>
        <source>4000</source>
        <extracomment>Could not load a BMP from Res file, exiting program.</extracomment>
        <translation>RES ファイルから BMP を読み込めませんでした。プログラムを終了します。</translation>
    </message>
    <message>
        <source>4003</source>
        <extracomment>Event</extracomment>
        <translation>イベント</translation>
    </message>
    <message>
        <source>4004</source>
        <extracomment>Clear</extracomment>
        <translation>クリア</translation>
    </message>
    <message>
        <source>4005</source>
        <extracomment>Save Text</extracomment>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>4006</source>
        <extracomment>Filter</extracomment>
        <translation>フィルタ</translation>
    </message>
    <message>
        <source>4007</source>
        <extracomment>Settings</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>4008</source>
        <extracomment>Rewind</extracomment>
        <translation>巻戻し</translation>
    </message>
    <message>
        <source>4009</source>
        <extracomment>Stop</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>4010</source>
        <extracomment>Play</extracomment>
        <translation>再生</translation>
    </message>
    <message>
        <source>4011</source>
        <extracomment>Current Time (mS)</extracomment>
        <translation>経過時間 (mS)</translation>
    </message>
    <message>
        <source>4012</source>
        <extracomment>Help</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>4014</source>
        <extracomment>When Display is Full:</extracomment>
        <translation>表示がいっぱいになったら:</translation>
    </message>
    <message>
        <source>4015</source>
        <extracomment>Stop</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>4016</source>
        <extracomment>Wrap Around</extracomment>
        <translation>先頭から上書き</translation>
    </message>
    <message>
        <source>4017</source>
        <extracomment>Wrap Around + Clear Evt Count</extracomment>
        <translation>先頭から上書き+番号クリア</translation>
    </message>
    <message>
        <source>4018</source>
        <extracomment>Number of Display Events</extracomment>
        <translation>表示するイベント数</translation>
    </message>
    <message>
        <source>4019</source>
        <extracomment>Stop timer after</extracomment>
        <translation>タイマー停止:</translation>
    </message>
    <message>
        <source>4020</source>
        <extracomment>Secs of inactivity.</extracomment>
        <translation>秒間無入力時</translation>
    </message>
    <message>
        <source>4021</source>
        <extracomment>Save Text Options</extracomment>
        <translation>テキスト保存の方法</translation>
    </message>
    <message>
        <source>4022</source>
        <extracomment>Save entire buffer to text file.</extracomment>
        <translation>全バッファをファイルに保存</translation>
    </message>
    <message>
        <source>4023</source>
        <extracomment>Display recent events in Text window.</extracomment>
        <translation>最近のイベントをウィンドウに表示</translation>
    </message>
    <message>
        <source>4025</source>
        <extracomment>OK</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>4026</source>
        <extracomment>Cancel</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>4027</source>
        <extracomment>Display:</extracomment>
        <translation>表示:</translation>
    </message>
    <message>
        <source>4028</source>
        <extracomment>Only...</extracomment>
        <translation>次のみ...</translation>
    </message>
    <message>
        <source>4029</source>
        <extracomment>All Except...</extracomment>
        <translation>次以外すべて...</translation>
    </message>
    <message>
        <source>4030</source>
        <extracomment>Source</extracomment>
        <translation>ソース</translation>
    </message>
    <message>
        <source>4031</source>
        <extracomment>Computer MIDI Input</extracomment>
        <translation>PC の MIDI 入力</translation>
    </message>
    <message>
        <source>4032</source>
        <extracomment>Host Program Output</extracomment>
        <translation>ホストの出力</translation>
    </message>
    <message>
        <source>4033</source>
        <extracomment>Channels</extracomment>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>4034</source>
        <extracomment>Events</extracomment>
        <translation>イベント</translation>
    </message>
    <message>
        <source>4035</source>
        <extracomment>Controllers</extracomment>
        <translation>コントローラー</translation>
    </message>
    <message>
        <source>4036</source>
        <extracomment>None</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>4037</source>
        <extracomment>All</extracomment>
        <translation>全て</translation>
    </message>
    <message>
        <source>4038</source>
        <extracomment>Select All</extracomment>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>4039</source>
        <extracomment>Clear</extracomment>
        <translation>クリア</translation>
    </message>
    <message>
        <source>4040</source>
        <extracomment>Copy</extracomment>
        <translation>コピー</translation>
    </message>
    <message>
        <source>4041</source>
        <extracomment>Save</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>4042</source>
        <extracomment>Save Text</extracomment>
        <translation>テキスト保存</translation>
    </message>
    <message>
        <source>4043</source>
        <extracomment>Display Filter</extracomment>
        <translation>表示フィルタ</translation>
    </message>
    <message>
        <source>4046</source>
        <extracomment>MIDI Display</extracomment>
        <translation>MIDI 表示</translation>
    </message>
    <message>
        <source>4047</source>
        <extracomment>Sequencer Control</extracomment>
        <translation>シーケンサー操作</translation>
    </message>
    <message>
        <source>4048</source>
        <extracomment>Timer</extracomment>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>4049</source>
        <extracomment>Evt #</extracomment>
        <translation>番号</translation>
    </message>
    <message>
        <source>4050</source>
        <extracomment>Time (mS)</extracomment>
        <translation>時間 (mS)</translation>
    </message>
    <message>
        <source>4051</source>
        <extracomment>Source</extracomment>
        <translation>ソース</translation>
    </message>
    <message>
        <source>4052</source>
        <extracomment>Raw</extracomment>
        <translation>生データ</translation>
    </message>
    <message>
        <source>4053</source>
        <extracomment>Status</extracomment>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>4054</source>
        <extracomment>Chan</extracomment>
        <translation>Ch</translation>
    </message>
    <message>
        <source>4055</source>
        <extracomment>Data 1</extracomment>
        <translation>データ 1</translation>
    </message>
    <message>
        <source>4056</source>
        <extracomment>Data 2</extracomment>
        <translation>データ 2</translation>
    </message>
    <message>
        <source>4058</source>
        <extracomment>This combination cannot display any events. Both inputs are disabled.</extracomment>
        <translation>この組み合わせではイベントを表示できません。両方の入力が無効です。</translation>
    </message>
    <message>
        <source>4059</source>
        <extracomment>This combination can only display System (non-channel) events. No Channels selected.</extracomment>
        <translation>この組み合わせではシステム (チャンネル以外) イベントしか表示できません。チャンネルが選択されていません。</translation>
    </message>
    <message>
        <source>4060</source>
        <extracomment>This combination cannot display any events. No Event types selected.</extracomment>
        <translation>この組み合わせではイベントを表示できません。イベントの種類が選択されていません。</translation>
    </message>
    <message>
        <source>4065</source>
        <extracomment>$OSTRA.cfg</extracomment>
        <translation>$OSTRA.cfg</translation>
    </message>
    <message>
        <source>4080</source>
        <extracomment>Drum Kit</extracomment>
        <translation>ドラムキット</translation>
    </message>
    <message>
        <source>4081</source>
        <extracomment>Transport Keys</extracomment>
        <translation>トランスポートキー</translation>
    </message>
    <message>
        <source>4082</source>
        <extracomment>On</extracomment>
        <translation>オン</translation>
    </message>
    <message>
        <source>4083</source>
        <extracomment>Ctrl Key</extracomment>
        <translation>Ctrl キー</translation>
    </message>
    <message>
        <source>4084</source>
        <extracomment>Off</extracomment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>4085</source>
        <extracomment>Drum Kit Settings</extracomment>
        <translation>ドラムキット設定</translation>
    </message>
    <message>
        <source>4098</source>
        <extracomment>MIDI Monitor is Always On Top</extracomment>
        <translation>MIDI モニターを常に手前に表示</translation>
    </message>
    <message>
        <source>4099</source>
        <extracomment>Working...</extracomment>
        <translation>処理中...</translation>
    </message>
    <message>
        <source>4100</source>
        <extracomment>Please wait, building text block...</extracomment>
        <translation>テキストを作成しています。お待ちください...</translation>
    </message>
    <message>
        <source>4288</source>
        <extracomment>MIDI Monitor</extracomment>
        <translation>MIDI モニター</translation>
    </message>
    <message>
        <source>4289</source>
        <extracomment>MIDI Monitor Settings</extracomment>
        <translation>MIDI モニター設定</translation>
    </message>
    <message>
        <source>4295</source>
        <extracomment>Exit</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>4301</source>
        <extracomment>Minimize</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>4642</source>
        <extracomment>MIDI Settings</extracomment>
        <translation>MIDI 設定</translation>
    </message>
    <message>
        <source>4643</source>
        <extracomment>Drum MIDI Port</extracomment>
        <translation>ドラムの MIDI ポート</translation>
    </message>
    <message>
        <source>4644</source>
        <extracomment>Drum MIDI Channel</extracomment>
        <translation>ドラムの MIDI チャンネル</translation>
    </message>
    <message>
        <source>4645</source>
        <extracomment>Drum Duration Boost</extracomment>
        <translation>ドラムの点灯時間の延長</translation>
    </message>
    <message>
        <source>4646</source>
        <extracomment>Display QUERTY Chars On Drums</extracomment>
        <translation>ドラムに PC キーボードの文字を表示</translation>
    </message>
    <message>
        <source>4664</source>
        <extracomment>EXE Files</extracomment>
        <translation>EXE ファイル</translation>
    </message>
    <message>
        <source>4665</source>
        <extracomment>EXE File to Link to</extracomment>
        <translation>リンクする EXE ファイル</translation>
    </message>
    <message>
        <source>4669</source>
        <extracomment>Choose name of .EXE to link to</extracomment>
        <translation>リンクする .EXE の名前を選択</translation>
    </message>
    <message>
        <source>4670</source>
        <extracomment>Please enter the complete path of the .EXE file you wish the program to link to below</extracomment>
        <translation>このプログラムをリンクする .EXE ファイルのフルパスを下に入力してください</translation>
    </message>
    <message>
        <source>4671</source>
        <extracomment> is running, but VelmarLink component could not link. This error can occur if </extracomment>
        <translation> は実行中ですが、VelmarLink コンポーネントはリンクできませんでした。このエラーは </translation>
    </message>
    <message>
        <source>4672</source>
        <extracomment> is an older version that doesn''t support linking, or the .EXE wasn''t designed to support linking, or you may be attempting to link this plugin with an obsolete 16-bit version of the .EXE</extracomment>
        <translation> がリンクに対応していない古いバージョンである場合、.EXE がリンク用に作られていない場合、または旧式の 16 ビット版の .EXE にこのプラグインをリンクしようとしている場合に起こります。</translation>
    </message>
    <message>
        <source>4673</source>
        <extracomment> appears to be running, but VelmarLink can''t find the main window handle. This error can occur if you didn't specify the complete path name, INCLUDING the .EXE extension, or you may be attempting to link this plugin with an obsolete 16-bit version of the .EXE</extracomment>
        <translation> は実行中のようですが、VelmarLink はメインウィンドウのハンドルを見つけられません。このエラーは、.EXE 拡張子を含むフルパスを指定しなかった場合、または旧式の 16 ビット版の .EXE にこのプラグインをリンクしようとしている場合に起こります。</translation>
    </message>
    <message>
        <source>4674</source>
        <extracomment> found, and appears to support linking, but sign in failed.  This could be due to another program already being signed in to the main program, or you''ve attempted to run this .EXE from outside of the main program while a .DLL is currently loaded.</extracomment>
        <translation> が見つかり、リンクにも対応しているようですが、サインインに失敗しました。別のプログラムがすでにメインプログラムにサインインしているか、.DLL が読み込まれている間にこの .EXE をメインプログラムの外から起動しようとした可能性があります。</translation>
    </message>
    <message>
        <source>4675</source>
        <extracomment>If another .EXE is linked to the main program, close it and try running this .EXE again.</extracomment>
        <translation>別の .EXE がメインプログラムにリンクしている場合は、それを閉じてからこの .EXE をもう一度起動してください。</translation>
    </message>
    <message>
        <source>4676</source>
        <extracomment>Note that a .DLL can still be currently loaded by the main program even if no window is currently visible on screen.</extracomment>
        <translation>画面にウィンドウが表示されていなくても、メインプログラムが .DLL を読み込んでいる場合があります。</translation>
    </message>
    <message>
        <source>4677</source>
        <extracomment>If a .DLL is loaded by the main program, the solution to this problem is to launch this .EXE from within the main program rather than from outside it.</extracomment>
        <translation>メインプログラムが .DLL を読み込んでいる場合は、この .EXE をメインプログラムの外からではなく、メインプログラムの中から起動してください。</translation>
    </message>
    <message>
        <source>4678</source>
        <extracomment>Error creating memory mapping</extracomment>
        <translation>メモリマッピングの作成エラー</translation>
    </message>
    <message>
        <source>4679</source>
        <extracomment>Error deallocating mapped memory</extracomment>
        <translation>マップしたメモリの解放エラー</translation>
    </message>
    <message>
        <source>4680</source>
        <extracomment>Error freeing memory mapping handle</extracomment>
        <translation>メモリマッピングハンドルの解放エラー</translation>
    </message>
    <message>
        <source>15109</source>
        <extracomment>Note Off (#128)</extracomment>
        <translation>ノートオフ(#128)</translation>
    </message>
    <message>
        <source>15110</source>
        <extracomment>Note On (#144)</extracomment>
        <translation>ノートオン(#144)</translation>
    </message>
    <message>
        <source>15111</source>
        <extracomment>Poly Pressure (#160)</extracomment>
        <translation>ポリアフター(#160)</translation>
    </message>
    <message>
        <source>15112</source>
        <extracomment>Control Change (#176)</extracomment>
        <translation>コントロール(#176)</translation>
    </message>
    <message>
        <source>15113</source>
        <extracomment>Program Change (#192)</extracomment>
        <translation>プログラム(#192)</translation>
    </message>
    <message>
        <source>15114</source>
        <extracomment>Channel Pressure (#208)</extracomment>
        <translation>アフタータッチ(#208)</translation>
    </message>
    <message>
        <source>15115</source>
        <extracomment>Pitch Bend (#224)</extracomment>
        <translation>ピッチベンド(#224)</translation>
    </message>
    <message>
        <source>15116</source>
        <extracomment>Sysex Start (#240)</extracomment>
        <translation>SysEx 開始(#240)</translation>
    </message>
    <message>
        <source>15117</source>
        <extracomment>MTC Quarter Frame (#241)</extracomment>
        <translation>MTC (#241)</translation>
    </message>
    <message>
        <source>15118</source>
        <extracomment>Song Position Ptr (#242)</extracomment>
        <translation>ソング位置(#242)</translation>
    </message>
    <message>
        <source>15119</source>
        <extracomment>Song Select (#243)</extracomment>
        <translation>ソングセレクト(#243)</translation>
    </message>
    <message>
        <source>15120</source>
        <extracomment>Undefined (#244)</extracomment>
        <translation>未定義(#244)</translation>
    </message>
    <message>
        <source>15121</source>
        <extracomment>Undefined {#245)</extracomment>
        <translation>未定義(#245)</translation>
    </message>
    <message>
        <source>15122</source>
        <extracomment>Tune Request (#246)</extracomment>
        <translation>チューン要求(#246)</translation>
    </message>
    <message>
        <source>15123</source>
        <extracomment>Sysex EOX (#247)</extracomment>
        <translation>SysEx 終了(#247)</translation>
    </message>
    <message>
        <source>15124</source>
        <extracomment>MIDI Timing Clock (#248)</extracomment>
        <translation>MIDI クロック(#248)</translation>
    </message>
    <message>
        <source>15125</source>
        <extracomment>Undefined (#249)</extracomment>
        <translation>未定義(#249)</translation>
    </message>
    <message>
        <source>15126</source>
        <extracomment>Song Start (#250)</extracomment>
        <translation>スタート(#250)</translation>
    </message>
    <message>
        <source>15127</source>
        <extracomment>Song Continue (#251)</extracomment>
        <translation>コンティニュー(#251)</translation>
    </message>
    <message>
        <source>15128</source>
        <extracomment>Song Stop (#252)</extracomment>
        <translation>ストップ(#252)</translation>
    </message>
    <message>
        <source>15129</source>
        <extracomment>Undefined (#253)</extracomment>
        <translation>未定義(#253)</translation>
    </message>
    <message>
        <source>15130</source>
        <extracomment>Active Sensing (#254)</extracomment>
        <translation>センシング(#254)</translation>
    </message>
    <message>
        <source>15131</source>
        <extracomment>System Reset (#255)</extracomment>
        <translation>リセット(#255)</translation>
    </message>
    <message>
        <source>15132</source>
        <extracomment>$00 Bank Select MSB</extracomment>
        <translation>$00 バンクセレクトMSB</translation>
    </message>
    <message>
        <source>15133</source>
        <extracomment>$01 Mod Wheel MSB</extracomment>
        <translation>$01 モジュレーションMSB</translation>
    </message>
    <message>
        <source>15134</source>
        <extracomment>$02 Breath Ctl MSB</extracomment>
        <translation>$02 ブレスMSB</translation>
    </message>
    <message>
        <source>15135</source>
        <extracomment>$03 Undefined</extracomment>
        <translation>$03 未定義</translation>
    </message>
    <message>
        <source>15136</source>
        <extracomment>$04 Foot Ctl MSB</extracomment>
        <translation>$04 フットMSB</translation>
    </message>
    <message>
        <source>15137</source>
        <extracomment>$05 Portamento Time MSB</extracomment>
        <translation>$05 ポルタメント時間MSB</translation>
    </message>
    <message>
        <source>15138</source>
        <extracomment>$06 Data Entry MSB</extracomment>
        <translation>$06 データエントリーMSB</translation>
    </message>
    <message>
        <source>15139</source>
        <extracomment>$07 Main Volume MSB</extracomment>
        <translation>$07 メインボリュームMSB</translation>
    </message>
    <message>
        <source>15140</source>
        <extracomment>$08 Balance MSB</extracomment>
        <translation>$08 バランスMSB</translation>
    </message>
    <message>
        <source>15141</source>
        <extracomment>$09 Undefined</extracomment>
        <translation>$09 未定義</translation>
    </message>
    <message>
        <source>15142</source>
        <extracomment>$0A Pan MSB</extracomment>
        <translation>$0A パンMSB</translation>
    </message>
    <message>
        <source>15143</source>
        <extracomment>$0B Expression MSB</extracomment>
        <translation>$0B エクスプレッションMSB</translation>
    </message>
    <message>
        <source>15144</source>
        <extracomment>$0C Undefined</extracomment>
        <translation>$0C 未定義</translation>
    </message>
    <message>
        <source>15145</source>
        <extracomment>$0D Undefined</extracomment>
        <translation>$0D 未定義</translation>
    </message>
    <message>
        <source>15146</source>
        <extracomment>$0E Undefined</extracomment>
        <translation>$0E 未定義</translation>
    </message>
    <message>
        <source>15147</source>
        <extracomment>$0F Undefined</extracomment>
        <translation>$0F 未定義</translation>
    </message>
    <message>
        <source>15148</source>
        <extracomment>$10 General Purpose 1 MSB</extracomment>
        <translation>$10 汎用 1MSB</translation>
    </message>
    <message>
        <source>15149</source>
        <extracomment>$11 General Purpose 2 MSB</extracomment>
        <translation>$11 汎用 2MSB</translation>
    </message>
    <message>
        <source>15150</source>
        <extracomment>$12 General Purpose 3 MSB</extracomment>
        <translation>$12 汎用 3MSB</translation>
    </message>
    <message>
        <source>15151</source>
        <extracomment>$13 General Purpose 4 MSB</extracomment>
        <translation>$13 汎用 4MSB</translation>
    </message>
    <message>
        <source>15152</source>
        <extracomment>$14 Undefined</extracomment>
        <translation>$14 未定義</translation>
    </message>
    <message>
        <source>15153</source>
        <extracomment>$15 Undefined</extracomment>
        <translation>$15 未定義</translation>
    </message>
    <message>
        <source>15154</source>
        <extracomment>$16 Undefined</extracomment>
        <translation>$16 未定義</translation>
    </message>
    <message>
        <source>15155</source>
        <extracomment>$17 Undefined</extracomment>
        <translation>$17 未定義</translation>
    </message>
    <message>
        <source>15156</source>
        <extracomment>$18 Undefined</extracomment>
        <translation>$18 未定義</translation>
    </message>
    <message>
        <source>15157</source>
        <extracomment>$19 Undefined</extracomment>
        <translation>$19 未定義</translation>
    </message>
    <message>
        <source>15158</source>
        <extracomment>$1A Undefined</extracomment>
        <translation>$1A 未定義</translation>
    </message>
    <message>
        <source>15159</source>
        <extracomment>$1B Undefined</extracomment>
        <translation>$1B 未定義</translation>
    </message>
    <message>
        <source>15160</source>
        <extracomment>$1C Undefined</extracomment>
        <translation>$1C 未定義</translation>
    </message>
    <message>
        <source>15161</source>
        <extracomment>$1D Undefined</extracomment>
        <translation>$1D 未定義</translation>
    </message>
    <message>
        <source>15162</source>
        <extracomment>$1E Undefined</extracomment>
        <translation>$1E 未定義</translation>
    </message>
    <message>
        <source>15163</source>
        <extracomment>$1F Undefined</extracomment>
        <translation>$1F 未定義</translation>
    </message>
    <message>
        <source>15164</source>
        <extracomment>$20 Bank Select LSB</extracomment>
        <translation>$20 バンクセレクトLSB</translation>
    </message>
    <message>
        <source>15165</source>
        <extracomment>$21 Mod Wheel LSB</extracomment>
        <translation>$21 モジュレーションLSB</translation>
    </message>
    <message>
        <source>15166</source>
        <extracomment>$22 Breath Ctl LSB</extracomment>
        <translation>$22 ブレスLSB</translation>
    </message>
    <message>
        <source>15167</source>
        <extracomment>$23 Undefined</extracomment>
        <translation>$23 未定義</translation>
    </message>
    <message>
        <source>15168</source>
        <extracomment>$24 Foot Control LSB</extracomment>
        <translation>$24 フットLSB</translation>
    </message>
    <message>
        <source>15169</source>
        <extracomment>$25 Portamento Time LSB</extracomment>
        <translation>$25 ポルタメント時間LSB</translation>
    </message>
    <message>
        <source>15170</source>
        <extracomment>$26 Data Entry LSB</extracomment>
        <translation>$26 データエントリーLSB</translation>
    </message>
    <message>
        <source>15171</source>
        <extracomment>$27 Main Volume LSB</extracomment>
        <translation>$27 メインボリュームLSB</translation>
    </message>
    <message>
        <source>15172</source>
        <extracomment>$28 Balance LSB</extracomment>
        <translation>$28 バランスLSB</translation>
    </message>
    <message>
        <source>15173</source>
        <extracomment>$29 Undefined</extracomment>
        <translation>$29 未定義</translation>
    </message>
    <message>
        <source>15174</source>
        <extracomment>$2A Pan LSB</extracomment>
        <translation>$2A パンLSB</translation>
    </message>
    <message>
        <source>15175</source>
        <extracomment>$2B Expression LSB</extracomment>
        <translation>$2B エクスプレッションLSB</translation>
    </message>
    <message>
        <source>15176</source>
        <extracomment>$2C Undefined</extracomment>
        <translation>$2C 未定義</translation>
    </message>
    <message>
        <source>15177</source>
        <extracomment>$2D Undefined</extracomment>
        <translation>$2D 未定義</translation>
    </message>
    <message>
        <source>15178</source>
        <extracomment>$2E Undefined</extracomment>
        <translation>$2E 未定義</translation>
    </message>
    <message>
        <source>15179</source>
        <extracomment>$2F Undefined</extracomment>
        <translation>$2F 未定義</translation>
    </message>
    <message>
        <source>15180</source>
        <extracomment>$30 General Purpose 1 LSB</extracomment>
        <translation>$30 汎用 1LSB</translation>
    </message>
    <message>
        <source>15181</source>
        <extracomment>$31 General Purpose 2 LSB</extracomment>
        <translation>$31 汎用 2LSB</translation>
    </message>
    <message>
        <source>15182</source>
        <extracomment>$32 General Purpose 3 LSB</extracomment>
        <translation>$32 汎用 3LSB</translation>
    </message>
    <message>
        <source>15183</source>
        <extracomment>$33 General Purpose 4 LSB</extracomment>
        <translation>$33 汎用 4LSB</translation>
    </message>
    <message>
        <source>15184</source>
        <extracomment>$34 Undefined</extracomment>
        <translation>$34 未定義</translation>
    </message>
    <message>
        <source>15185</source>
        <extracomment>$35 Undefined</extracomment>
        <translation>$35 未定義</translation>
    </message>
    <message>
        <source>15186</source>
        <extracomment>$36 Undefined</extracomment>
        <translation>$36 未定義</translation>
    </message>
    <message>
        <source>15187</source>
        <extracomment>$37 Undefined</extracomment>
        <translation>$37 未定義</translation>
    </message>
    <message>
        <source>15188</source>
        <extracomment>$38 Undefined</extracomment>
        <translation>$38 未定義</translation>
    </message>
    <message>
        <source>15189</source>
        <extracomment>$39 Undefined</extracomment>
        <translation>$39 未定義</translation>
    </message>
    <message>
        <source>15190</source>
        <extracomment>$3A Undefined</extracomment>
        <translation>$3A 未定義</translation>
    </message>
    <message>
        <source>15191</source>
        <extracomment>$3B Undefined</extracomment>
        <translation>$3B 未定義</translation>
    </message>
    <message>
        <source>15192</source>
        <extracomment>$3C Undefined</extracomment>
        <translation>$3C 未定義</translation>
    </message>
    <message>
        <source>15193</source>
        <extracomment>$3D Undefined</extracomment>
        <translation>$3D 未定義</translation>
    </message>
    <message>
        <source>15194</source>
        <extracomment>$3E Undefined</extracomment>
        <translation>$3E 未定義</translation>
    </message>
    <message>
        <source>15195</source>
        <extracomment>$3F Undefined</extracomment>
        <translation>$3F 未定義</translation>
    </message>
    <message>
        <source>15196</source>
        <extracomment>$40 Sustain Pedal</extracomment>
        <translation>$40 ダンパーペダル</translation>
    </message>
    <message>
        <source>15197</source>
        <extracomment>$41 Portamento</extracomment>
        <translation>$41 ポルタメント</translation>
    </message>
    <message>
        <source>15198</source>
        <extracomment>$42 Sostenuto</extracomment>
        <translation>$42 ソステヌート</translation>
    </message>
    <message>
        <source>15199</source>
        <extracomment>$43 Soft Pedal</extracomment>
        <translation>$43 ソフトペダル</translation>
    </message>
    <message>
        <source>15200</source>
        <extracomment>$44 Undefined</extracomment>
        <translation>$44 未定義</translation>
    </message>
    <message>
        <source>15201</source>
        <extracomment>$45 Hold 2</extracomment>
        <translation>$45 ホールド 2</translation>
    </message>
    <message>
        <source>15202</source>
        <extracomment>$46 Undefined</extracomment>
        <translation>$46 未定義</translation>
    </message>
    <message>
        <source>15203</source>
        <extracomment>$47 Undefined</extracomment>
        <translation>$47 未定義</translation>
    </message>
    <message>
        <source>15204</source>
        <extracomment>$48 Undefined</extracomment>
        <translation>$48 未定義</translation>
    </message>
    <message>
        <source>15205</source>
        <extracomment>$49 Undefined</extracomment>
        <translation>$49 未定義</translation>
    </message>
    <message>
        <source>15206</source>
        <extracomment>$4A Undefined</extracomment>
        <translation>$4A 未定義</translation>
    </message>
    <message>
        <source>15207</source>
        <extracomment>$4B Undefined</extracomment>
        <translation>$4B 未定義</translation>
    </message>
    <message>
        <source>15208</source>
        <extracomment>$4C Undefined</extracomment>
        <translation>$4C 未定義</translation>
    </message>
    <message>
        <source>15209</source>
        <extracomment>$4D Undefined</extracomment>
        <translation>$4D 未定義</translation>
    </message>
    <message>
        <source>15210</source>
        <extracomment>$4E Undefined</extracomment>
        <translation>$4E 未定義</translation>
    </message>
    <message>
        <source>15211</source>
        <extracomment>$4F Undefined</extracomment>
        <translation>$4F 未定義</translation>
    </message>
    <message>
        <source>15212</source>
        <extracomment>$50 General Purpose 5</extracomment>
        <translation>$50 汎用 5</translation>
    </message>
    <message>
        <source>15213</source>
        <extracomment>$51 General Purpose 6</extracomment>
        <translation>$51 汎用 6</translation>
    </message>
    <message>
        <source>15214</source>
        <extracomment>$52 General Purpose 7</extracomment>
        <translation>$52 汎用 7</translation>
    </message>
    <message>
        <source>15215</source>
        <extracomment>$53 General Purpose 8</extracomment>
        <translation>$53 汎用 8</translation>
    </message>
    <message>
        <source>15216</source>
        <extracomment>$54 Undefined</extracomment>
        <translation>$54 未定義</translation>
    </message>
    <message>
        <source>15217</source>
        <extracomment>$55 Undefined</extracomment>
        <translation>$55 未定義</translation>
    </message>
    <message>
        <source>15218</source>
        <extracomment>$56 Undefined</extracomment>
        <translation>$56 未定義</translation>
    </message>
    <message>
        <source>15219</source>
        <extracomment>$57 Undefined</extracomment>
        <translation>$57 未定義</translation>
    </message>
    <message>
        <source>15220</source>
        <extracomment>$58 Undefined</extracomment>
        <translation>$58 未定義</translation>
    </message>
    <message>
        <source>15221</source>
        <extracomment>$59 Undefined</extracomment>
        <translation>$59 未定義</translation>
    </message>
    <message>
        <source>15222</source>
        <extracomment>$5A Undefined</extracomment>
        <translation>$5A 未定義</translation>
    </message>
    <message>
        <source>15223</source>
        <extracomment>$5B Reverb Depth</extracomment>
        <translation>$5B リバーブデプス</translation>
    </message>
    <message>
        <source>15224</source>
        <extracomment>$5C Tremolo Depth</extracomment>
        <translation>$5C トレモロデプス</translation>
    </message>
    <message>
        <source>15225</source>
        <extracomment>$5D Chorus Depth</extracomment>
        <translation>$5D コーラスデプス</translation>
    </message>
    <message>
        <source>15226</source>
        <extracomment>$5E Celeste Depth</extracomment>
        <translation>$5E セレステデプス</translation>
    </message>
    <message>
        <source>15227</source>
        <extracomment>$5F Phaser Depth</extracomment>
        <translation>$5F フェイザーデプス</translation>
    </message>
    <message>
        <source>15228</source>
        <extracomment>$60 Data Increment</extracomment>
        <translation>$60 データインクリメント</translation>
    </message>
    <message>
        <source>15229</source>
        <extracomment>$61 Data Decrement</extracomment>
        <translation>$61 データデクリメント</translation>
    </message>
    <message>
        <source>15230</source>
        <extracomment>$62 Non-Registered Param LSB</extracomment>
        <translation>$62 NRPNLSB</translation>
    </message>
    <message>
        <source>15231</source>
        <extracomment>$63 Non-Registered Param MSB</extracomment>
        <translation>$63 NRPNMSB</translation>
    </message>
    <message>
        <source>15232</source>
        <extracomment>$64 Registered Param LSB</extracomment>
        <translation>$64 RPNLSB</translation>
    </message>
    <message>
        <source>15233</source>
        <extracomment>$65 Registered Param MSB</extracomment>
        <translation>$65 RPNMSB</translation>
    </message>
    <message>
        <source>15234</source>
        <extracomment>$66 Undefined</extracomment>
        <translation>$66 未定義</translation>
    </message>
    <message>
        <source>15235</source>
        <extracomment>$67 Undefined</extracomment>
        <translation>$67 未定義</translation>
    </message>
    <message>
        <source>15236</source>
        <extracomment>$68 Undefined</extracomment>
        <translation>$68 未定義</translation>
    </message>
    <message>
        <source>15237</source>
        <extracomment>$69 Undefined</extracomment>
        <translation>$69 未定義</translation>
    </message>
    <message>
        <source>15238</source>
        <extracomment>$6A Undefined</extracomment>
        <translation>$6A 未定義</translation>
    </message>
    <message>
        <source>15239</source>
        <extracomment>$6B Undefined</extracomment>
        <translation>$6B 未定義</translation>
    </message>
    <message>
        <source>15240</source>
        <extracomment>$6C Undefined</extracomment>
        <translation>$6C 未定義</translation>
    </message>
    <message>
        <source>15241</source>
        <extracomment>$6D Undefined</extracomment>
        <translation>$6D 未定義</translation>
    </message>
    <message>
        <source>15242</source>
        <extracomment>$6E Undefined</extracomment>
        <translation>$6E 未定義</translation>
    </message>
    <message>
        <source>15243</source>
        <extracomment>$6F Undefined</extracomment>
        <translation>$6F 未定義</translation>
    </message>
    <message>
        <source>15244</source>
        <extracomment>$70 Undefined</extracomment>
        <translation>$70 未定義</translation>
    </message>
    <message>
        <source>15245</source>
        <extracomment>$71 Undefined</extracomment>
        <translation>$71 未定義</translation>
    </message>
    <message>
        <source>15246</source>
        <extracomment>$72 Undefined</extracomment>
        <translation>$72 未定義</translation>
    </message>
    <message>
        <source>15247</source>
        <extracomment>$73 Undefined</extracomment>
        <translation>$73 未定義</translation>
    </message>
    <message>
        <source>15248</source>
        <extracomment>$74 Undefined</extracomment>
        <translation>$74 未定義</translation>
    </message>
    <message>
        <source>15249</source>
        <extracomment>$75 Undefined</extracomment>
        <translation>$75 未定義</translation>
    </message>
    <message>
        <source>15250</source>
        <extracomment>$76 Undefined</extracomment>
        <translation>$76 未定義</translation>
    </message>
    <message>
        <source>15251</source>
        <extracomment>$77 Undefined</extracomment>
        <translation>$77 未定義</translation>
    </message>
    <message>
        <source>15252</source>
        <extracomment>$78 All Sounds Off</extracomment>
        <translation>$78 オールサウンドオフ</translation>
    </message>
    <message>
        <source>15253</source>
        <extracomment>$79 Reset All Controllers</extracomment>
        <translation>$79 コントローラリセット</translation>
    </message>
    <message>
        <source>15254</source>
        <extracomment>$7A Local Control</extracomment>
        <translation>$7A ローカルコントロール</translation>
    </message>
    <message>
        <source>15255</source>
        <extracomment>$7B All Notes Off</extracomment>
        <translation>$7B オールノートオフ</translation>
    </message>
    <message>
        <source>15256</source>
        <extracomment>$7C Omni Off</extracomment>
        <translation>$7C オムニオフ</translation>
    </message>
    <message>
        <source>15257</source>
        <extracomment>$7D Omni On</extracomment>
        <translation>$7D オムニオン</translation>
    </message>
    <message>
        <source>15258</source>
        <extracomment>$7E Mono On</extracomment>
        <translation>$7E モノモードオン</translation>
    </message>
    <message>
        <source>15259</source>
        <extracomment>$7F Poly On</extracomment>
        <translation>$7F ポリモードオン</translation>
    </message>
    <message>
        <source>15270</source>
        <extracomment>Decimal Display (Channels)</extracomment>
        <translation>10 進表示 (チャンネル)</translation>
    </message>
    <message>
        <source>15271</source>
        <extracomment>Decimal Display (Event Types)</extracomment>
        <translation>10 進表示 (イベントの種類)</translation>
    </message>
    <message>
        <source>15272</source>
        <extracomment>Decimal Display (Data)</extracomment>
        <translation>10 進表示 (データ)</translation>
    </message>
    <message>
        <source>15273</source>
        <extracomment>One-Based Numbering (Programs)</extracomment>
        <translation>1 から数える (プログラム)</translation>
    </message>
    <message>
        <source>15274</source>
        <extracomment>One-Based Numbering (Channels)</extracomment>
        <translation>1 から数える (チャンネル)</translation>
    </message>
    <message>
        <source>15600</source>
        <extracomment>&amp;Find...</extracomment>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>15601</source>
        <extracomment>&amp;Copy</extracomment>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>15602</source>
        <extracomment>Save &amp;SysEx...</extracomment>
        <translation>SysEx を保存(&amp;S)...</translation>
    </message>
    <message>
        <source>15603</source>
        <extracomment>&amp;Export as MIDI File...</extracomment>
        <translation>MIDI ファイルにエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>15604</source>
        <extracomment>Find</extracomment>
        <translation>検索</translation>
    </message>
    <message>
        <source>15605</source>
        <extracomment>Find &amp;what:</extracomment>
        <translation>検索する文字列(&amp;W):</translation>
    </message>
    <message>
        <source>15606</source>
        <extracomment>Find &amp;Next</extracomment>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>15607</source>
        <extracomment>Find &amp;Previous</extracomment>
        <translation>前を検索(&amp;P)</translation>
    </message>
    <message>
        <source>15608</source>
        <extracomment>Close</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>15609</source>
        <extracomment>Not found.</extracomment>
        <translation>見つかりませんでした。</translation>
    </message>
    <message>
        <source>15610</source>
        <extracomment>Went on from the other end of the list.</extracomment>
        <translation>リストの反対側の端から検索を続けました。</translation>
    </message>
    <message>
        <source>15611</source>
        <extracomment>Save SysEx Dump</extracomment>
        <translation>SysEx ダンプの保存</translation>
    </message>
    <message>
        <source>15612</source>
        <extracomment>SysEx Files (*.syx)</extracomment>
        <translation>SysEx ファイル (*.syx)</translation>
    </message>
    <message>
        <source>15613</source>
        <extracomment>Export as MIDI File</extracomment>
        <translation>MIDI ファイルにエクスポート</translation>
    </message>
    <message>
        <source>15614</source>
        <extracomment>MIDI Files (*.mid)</extracomment>
        <translation>MIDI ファイル (*.mid)</translation>
    </message>
    <message>
        <source>15615</source>
        <extracomment>%1 could not be saved: %2. Any earlier file of that name is unchanged.</extracomment>
        <translation>%1 を保存できませんでした: %2。同じ名前の以前のファイルは変更されていません。</translation>
    </message>
    <message>
        <source>15616</source>
        <extracomment>the file could not be written in full</extracomment>
        <translation>ファイルを最後まで書き込めませんでした</translation>
    </message>
    <message>
        <source>15617</source>
        <extracomment>%1 SysEx dumps are not whole on display and were left out.</extracomment>
        <translation>%1 個の SysEx ダンプは全体が表示されていないため除外しました。</translation>
    </message>
    <message>
        <source>15618</source>
        <extracomment>%1 messages that a MIDI file cannot hold were left out.</extracomment>
        <translation>MIDI ファイルに入れられない %1 個のメッセージを除外しました。</translation>
    </message>
    <message>
        <source>15619</source>
        <extracomment>the MIDI file could not be made</extracomment>
        <translation>MIDI ファイルを作成できませんでした</translation>
    </message>
</context>
</TS>

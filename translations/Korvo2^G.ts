<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>numbered</name>
    <message>
        <source>28</source>
        <extracomment>Error</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>3500</source>
        <extracomment>High Q</extracomment>
        <translation>High Q</translation>
    </message>
    <message>
        <source>3501</source>
        <extracomment>Slap</extracomment>
        <translation>Slap</translation>
    </message>
    <message>
        <source>3502</source>
        <extracomment>Scratch Push</extracomment>
        <translation>Scratch Push</translation>
    </message>
    <message>
        <source>3503</source>
        <extracomment>Scratch Pull</extracomment>
        <translation>Scratch Pull</translation>
    </message>
    <message>
        <source>3504</source>
        <extracomment>Sticks</extracomment>
        <translation>Sticks</translation>
    </message>
    <message>
        <source>3505</source>
        <extracomment>Square Kick</extracomment>
        <translation>Square Kick</translation>
    </message>
    <message>
        <source>3506</source>
        <extracomment>Metronome Click</extracomment>
        <translation>Metronom-Klick</translation>
    </message>
    <message>
        <source>3507</source>
        <extracomment>Metronome Bell</extracomment>
        <translation>Metronom-Glocke</translation>
    </message>
    <message>
        <source>3508</source>
        <extracomment>Ac. Bass Drum</extracomment>
        <translation>Akust. Bassdrum</translation>
    </message>
    <message>
        <source>3509</source>
        <extracomment>Bass Drum 1</extracomment>
        <translation>Bassdrum 1</translation>
    </message>
    <message>
        <source>3510</source>
        <extracomment>Side Stick</extracomment>
        <translation>Side Stick</translation>
    </message>
    <message>
        <source>3511</source>
        <extracomment>Acoustic Snare</extracomment>
        <translation>Akustische Snare</translation>
    </message>
    <message>
        <source>3512</source>
        <extracomment>Hand Clap</extracomment>
        <translation>Händeklatschen</translation>
    </message>
    <message>
        <source>3513</source>
        <extracomment>Electric Snare</extracomment>
        <translation>Elektro-Snare</translation>
    </message>
    <message>
        <source>3514</source>
        <extracomment>Low Floor Tom</extracomment>
        <translation>Tiefes Standtom</translation>
    </message>
    <message>
        <source>3515</source>
        <extracomment>Closed Hi-Hat</extracomment>
        <translation>Geschlossene Hi-Hat</translation>
    </message>
    <message>
        <source>3516</source>
        <extracomment>High Floor Tom</extracomment>
        <translation>Hohes Standtom</translation>
    </message>
    <message>
        <source>3517</source>
        <extracomment>Pedal Hi-Hat</extracomment>
        <translation>Pedal-Hi-Hat</translation>
    </message>
    <message>
        <source>3518</source>
        <extracomment>Low Tom</extracomment>
        <translation>Tiefes Tom</translation>
    </message>
    <message>
        <source>3519</source>
        <extracomment>Open Hi-Hat</extracomment>
        <translation>Offene Hi-Hat</translation>
    </message>
    <message>
        <source>3520</source>
        <extracomment>Low-Mid Tom</extracomment>
        <translation>Tiefes Mitteltom</translation>
    </message>
    <message>
        <source>3521</source>
        <extracomment>Hi-Mid Tom</extracomment>
        <translation>Hohes Mitteltom</translation>
    </message>
    <message>
        <source>3522</source>
        <extracomment>Crash Cymbal</extracomment>
        <translation>Crash-Becken</translation>
    </message>
    <message>
        <source>3523</source>
        <extracomment>High Tom</extracomment>
        <translation>Hohes Tom</translation>
    </message>
    <message>
        <source>3524</source>
        <extracomment>Ride Cymbal 1</extracomment>
        <translation>Ride-Becken 1</translation>
    </message>
    <message>
        <source>3525</source>
        <extracomment>Chinese Cymbal</extracomment>
        <translation>China-Becken</translation>
    </message>
    <message>
        <source>3526</source>
        <extracomment>Ride Bell</extracomment>
        <translation>Ride-Kuppe</translation>
    </message>
    <message>
        <source>3527</source>
        <extracomment>Tambourine</extracomment>
        <translation>Tamburin</translation>
    </message>
    <message>
        <source>3528</source>
        <extracomment>Splash Cymbal</extracomment>
        <translation>Splash-Becken</translation>
    </message>
    <message>
        <source>3529</source>
        <extracomment>Cowbell</extracomment>
        <translation>Kuhglocke</translation>
    </message>
    <message>
        <source>3530</source>
        <extracomment>Crash Cymbal 2</extracomment>
        <translation>Crash-Becken 2</translation>
    </message>
    <message>
        <source>3531</source>
        <extracomment>Vibraslap</extracomment>
        <translation>Vibraslap</translation>
    </message>
    <message>
        <source>3532</source>
        <extracomment>Ride Cymbal 2</extracomment>
        <translation>Ride-Becken 2</translation>
    </message>
    <message>
        <source>3533</source>
        <extracomment>High Bongo</extracomment>
        <translation>Hohe Bongo</translation>
    </message>
    <message>
        <source>3534</source>
        <extracomment>Low Bongo</extracomment>
        <translation>Tiefe Bongo</translation>
    </message>
    <message>
        <source>3535</source>
        <extracomment>Mute High Conga</extracomment>
        <translation>Hohe Conga gedämpft</translation>
    </message>
    <message>
        <source>3536</source>
        <extracomment>Open High Conga</extracomment>
        <translation>Hohe Conga offen</translation>
    </message>
    <message>
        <source>3537</source>
        <extracomment>Low Conga</extracomment>
        <translation>Tiefe Conga</translation>
    </message>
    <message>
        <source>3538</source>
        <extracomment>High Timbale</extracomment>
        <translation>Hohes Timbale</translation>
    </message>
    <message>
        <source>3539</source>
        <extracomment>Low Timbale</extracomment>
        <translation>Tiefes Timbale</translation>
    </message>
    <message>
        <source>3540</source>
        <extracomment>High Agogo</extracomment>
        <translation>Hohe Agogo</translation>
    </message>
    <message>
        <source>3541</source>
        <extracomment>Low Agogo</extracomment>
        <translation>Tiefe Agogo</translation>
    </message>
    <message>
        <source>3542</source>
        <extracomment>Cabasa</extracomment>
        <translation>Cabasa</translation>
    </message>
    <message>
        <source>3543</source>
        <extracomment>Maracas</extracomment>
        <translation>Maracas</translation>
    </message>
    <message>
        <source>3544</source>
        <extracomment>Short Whistle</extracomment>
        <translation>Pfeife kurz</translation>
    </message>
    <message>
        <source>3545</source>
        <extracomment>Long Whistle</extracomment>
        <translation>Pfeife lang</translation>
    </message>
    <message>
        <source>3546</source>
        <extracomment>Short Guiro</extracomment>
        <translation>Guiro kurz</translation>
    </message>
    <message>
        <source>3547</source>
        <extracomment>Long Guiro</extracomment>
        <translation>Guiro lang</translation>
    </message>
    <message>
        <source>3548</source>
        <extracomment>Claves</extracomment>
        <translation>Claves</translation>
    </message>
    <message>
        <source>3549</source>
        <extracomment>High Wood Block</extracomment>
        <translation>Hoher Holzblock</translation>
    </message>
    <message>
        <source>3550</source>
        <extracomment>Low Wood Block</extracomment>
        <translation>Tiefer Holzblock</translation>
    </message>
    <message>
        <source>3551</source>
        <extracomment>Mute Cuica</extracomment>
        <translation>Cuica gedämpft</translation>
    </message>
    <message>
        <source>3552</source>
        <extracomment>Open Cuica</extracomment>
        <translation>Cuica offen</translation>
    </message>
    <message>
        <source>3553</source>
        <extracomment>Mute Triangle</extracomment>
        <translation>Triangel gedämpft</translation>
    </message>
    <message>
        <source>3554</source>
        <extracomment>Open Triangle</extracomment>
        <translation>Triangel offen</translation>
    </message>
    <message>
        <source>3555</source>
        <extracomment>Shaker</extracomment>
        <translation>Shaker</translation>
    </message>
    <message>
        <source>3556</source>
        <extracomment>Jingle Bell</extracomment>
        <translation>Schellen</translation>
    </message>
    <message>
        <source>3557</source>
        <extracomment>Belltree</extracomment>
        <translation>Glockenbaum</translation>
    </message>
    <message>
        <source>3558</source>
        <extracomment>Castanets</extracomment>
        <translation>Kastagnetten</translation>
    </message>
    <message>
        <source>3559</source>
        <extracomment>Mute Surdo</extracomment>
        <translation>Surdo gedämpft</translation>
    </message>
    <message>
        <source>3560</source>
        <extracomment>Open Surdo</extracomment>
        <translation>Surdo offen</translation>
    </message>
    <message>
        <source>3565</source>
        <extracomment>Could not communicate with EXE, exiting program.</extracomment>
        <translation>Keine Verbindung zur EXE möglich, Programm wird beendet.</translation>
    </message>
    <message>
        <source>3566</source>
        <extracomment>Could not load BMP from RES file, exiting program.</extracomment>
        <translation>BMP konnte nicht aus der RES-Datei geladen werden, Programm wird beendet.</translation>
    </message>
    <message>
        <source>3567</source>
        <extracomment>Note Velocity</extracomment>
        <translation>Anschlagstärke</translation>
    </message>
    <message>
        <source>3568</source>
        <extracomment>High Velocity (Shift key pressed)</extracomment>
        <translation>Hoch (mit Umschalttaste)</translation>
    </message>
    <message>
        <source>3569</source>
        <extracomment>Low Velocity (No Shift key)</extracomment>
        <translation>Niedrig (ohne Umschalttaste)</translation>
    </message>
    <message>
        <source>3570</source>
        <extracomment>Randomize</extracomment>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>3571</source>
        <extracomment>Range %</extracomment>
        <translation>Bereich %</translation>
    </message>
    <message>
        <source>3572</source>
        <extracomment>Instrument Hints</extracomment>
        <translation>Hinweise zu Instrumenten</translation>
    </message>
    <message>
        <source>3573</source>
        <extracomment>Show Note Name</extracomment>
        <translation>Notenname zeigen</translation>
    </message>
    <message>
        <source>3574</source>
        <extracomment>Show MIDI Note Number</extracomment>
        <translation>MIDI-Notennummer zeigen</translation>
    </message>
    <message>
        <source>3575</source>
        <extracomment>Show Computer Key</extracomment>
        <translation>Computertaste zeigen</translation>
    </message>
    <message>
        <source>3576</source>
        <extracomment>Show</extracomment>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>3577</source>
        <extracomment>Show All Instruments</extracomment>
        <translation>Alle Instrumente zeigen</translation>
    </message>
    <message>
        <source>3578</source>
        <extracomment>Show Used Instruments</extracomment>
        <translation>Benutzte Instrumente zeigen</translation>
    </message>
    <message>
        <source>3579</source>
        <extracomment>OK</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>3580</source>
        <extracomment>Cancel</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>3581</source>
        <extracomment>Help</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>3710</source>
        <extracomment>Numpad '7'</extracomment>
        <translation>Ziffernblock '7'</translation>
    </message>
    <message>
        <source>3711</source>
        <extracomment>Numpad '4'</extracomment>
        <translation>Ziffernblock '4'</translation>
    </message>
    <message>
        <source>3712</source>
        <extracomment>Numpad '9'</extracomment>
        <translation>Ziffernblock '9'</translation>
    </message>
    <message>
        <source>3713</source>
        <extracomment>Numpad '8'</extracomment>
        <translation>Ziffernblock '8'</translation>
    </message>
    <message>
        <source>3714</source>
        <extracomment>'9'</extracomment>
        <translation>'9'</translation>
    </message>
    <message>
        <source>3715</source>
        <extracomment>Numpad '1'</extracomment>
        <translation>Ziffernblock '1'</translation>
    </message>
    <message>
        <source>3716</source>
        <extracomment>Del (left arrow key)</extracomment>
        <translation>Rücktaste (Pfeil nach links)</translation>
    </message>
    <message>
        <source>3717</source>
        <extracomment>'~' (tilde key)</extracomment>
        <translation>'~' (Tilde-Taste)</translation>
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
        <translation>''' (Apostroph)</translation>
    </message>
    <message>
        <source>3725</source>
        <extracomment>',' (comma)</extracomment>
        <translation>',' (Komma)</translation>
    </message>
    <message>
        <source>3726</source>
        <extracomment>';' (semicolon)</extracomment>
        <translation>';' (Semikolon)</translation>
    </message>
    <message>
        <source>3727</source>
        <extracomment>'.' (period)</extracomment>
        <translation>'.' (Punkt)</translation>
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
        <translation>(Backslash)</translation>
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
        <translation>Ziffernblock '.'</translation>
    </message>
    <message>
        <source>3742</source>
        <extracomment>'D'</extracomment>
        <translation>'D'</translation>
    </message>
    <message>
        <source>3743</source>
        <extracomment>'[' (open bracket)</extracomment>
        <translation>'[' (eckige Klammer auf)</translation>
    </message>
    <message>
        <source>3744</source>
        <extracomment>']' (close bracket)</extracomment>
        <translation>']' (eckige Klammer zu)</translation>
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
        <translation>'0' (Null)</translation>
    </message>
    <message>
        <source>3753</source>
        <extracomment>'='</extracomment>
        <translation>'='</translation>
    </message>
    <message>
        <source>3754</source>
        <extracomment>Numpad '2'</extracomment>
        <translation>Ziffernblock '2'</translation>
    </message>
    <message>
        <source>3755</source>
        <extracomment>Numpad '3'</extracomment>
        <translation>Ziffernblock '3'</translation>
    </message>
    <message>
        <source>3756</source>
        <extracomment>Numpad '5'</extracomment>
        <translation>Ziffernblock '5'</translation>
    </message>
    <message>
        <source>3757</source>
        <extracomment>Numpad '6'</extracomment>
        <translation>Ziffernblock '6'</translation>
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
        <translation>Ziffernblock '/'</translation>
    </message>
    <message>
        <source>3762</source>
        <extracomment>Numpad '*'</extracomment>
        <translation>Ziffernblock '*'</translation>
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
        <translation>'-' (Minustaste)</translation>
    </message>
    <message>
        <source>3766</source>
        <extracomment>'E'</extracomment>
        <translation>'E'</translation>
    </message>
    <message>
        <source>3767</source>
        <extracomment>Numpad '0'</extracomment>
        <translation>Ziffernblock '0'</translation>
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
        <translation>Fenster immer im Vordergrund</translation>
    </message>
    <message>
        <source>3772</source>
        <extracomment>Press F1 for Help</extracomment>
        <translation>Für Hilfe F1 drücken</translation>
    </message>
    <message>
        <source>3773</source>
        <extracomment>Full-size Window</extracomment>
        <translation>Volle Fenstergröße</translation>
    </message>
    <message>
        <source>3774</source>
        <extracomment>Half-size Window</extracomment>
        <translation>Halbe Fenstergröße</translation>
    </message>
    <message>
        <source>3775</source>
        <extracomment>Quarter-size Window</extracomment>
        <translation>Viertel Fenstergröße</translation>
    </message>
    <message>
        <source>3776</source>
        <extracomment>Settings Dialog</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>3777</source>
        <extracomment>Record (Tab key)</extracomment>
        <translation>Aufnahme (Tab-Taste)</translation>
    </message>
    <message>
        <source>3778</source>
        <extracomment>Play (Space Key)</extracomment>
        <translation>Wiedergabe (Leertaste)</translation>
    </message>
    <message>
        <source>3779</source>
        <extracomment>Rewind (Return key)</extracomment>
        <translation>Zurückspulen (Eingabetaste)</translation>
    </message>
    <message>
        <source>3780</source>
        <extracomment>Stop (Space key)</extracomment>
        <translation>Stopp (Leertaste)</translation>
    </message>
    <message>
        <source>3781</source>
        <extracomment>Suggestion: You are in 16 color video mode (4 bit). </extracomment>
        <translation>Tipp: Die Anzeige läuft mit 16 Farben (4 Bit). </translation>
    </message>
    <message>
        <source>3782</source>
        <extracomment>Color of Kettra will be improved if you increase to 16 bit color (using Control Panel | Display | Settings|</extracomment>
        <translation>Kettra sieht besser aus, wenn Sie auf 16 Bit Farbtiefe erhöhen (über Systemsteuerung | Anzeige | Einstellungen|</translation>
    </message>
    <message>
        <source>3783</source>
        <extracomment>Suggestion: You are in 256 color video mode (8 bit).</extracomment>
        <translation>Tipp: Die Anzeige läuft mit 256 Farben (8 Bit). </translation>
    </message>
    <message>
        <source>3784</source>
        <extracomment>Now running in 16 bit (or higher) video color mode.</extracomment>
        <translation>Die Anzeige läuft mit 16 Bit Farbtiefe (oder mehr).</translation>
    </message>
    <message>
        <source>3785</source>
        <extracomment>$Kettra.cfg</extracomment>
        <translation>$Kettra.cfg</translation>
    </message>
    <message>
        <source>3835</source>
        <extracomment>Note Off ($8x)</extracomment>
        <translation>Note-Off ($8x)</translation>
    </message>
    <message>
        <source>3836</source>
        <extracomment>Note On ($9x)</extracomment>
        <translation>Note-On ($9x)</translation>
    </message>
    <message>
        <source>3837</source>
        <extracomment>Poly Pressure ($Ax)</extracomment>
        <translation>Poly-Aftertouch ($Ax)</translation>
    </message>
    <message>
        <source>3838</source>
        <extracomment>Control Change ($Bx)</extracomment>
        <translation>Controller ($Bx)</translation>
    </message>
    <message>
        <source>3839</source>
        <extracomment>Program Change ($Cx)</extracomment>
        <translation>Prog.-Wechsel ($Cx)</translation>
    </message>
    <message>
        <source>3840</source>
        <extracomment>Channel Pressure ($Dx)</extracomment>
        <translation>Aftertouch ($Dx)</translation>
    </message>
    <message>
        <source>3841</source>
        <extracomment>Pitch Bend ($Ex)</extracomment>
        <translation>Pitchbend ($Ex)</translation>
    </message>
    <message>
        <source>3842</source>
        <extracomment>Sysex Start ($F0)</extracomment>
        <translation>SysEx-Start ($F0)</translation>
    </message>
    <message>
        <source>3843</source>
        <extracomment>MTC Quarter Frame ($F1)</extracomment>
        <translation>MTC-Viertelframe ($F1)</translation>
    </message>
    <message>
        <source>3844</source>
        <extracomment>Song Position Ptr ($F2)</extracomment>
        <translation>Songposition ($F2)</translation>
    </message>
    <message>
        <source>3845</source>
        <extracomment>Song Select ($F3)</extracomment>
        <translation>Songauswahl ($F3)</translation>
    </message>
    <message>
        <source>3846</source>
        <extracomment>Undefined ($F4)</extracomment>
        <translation>Undefiniert ($F4)</translation>
    </message>
    <message>
        <source>3847</source>
        <extracomment>Undefined {$F5)</extracomment>
        <translation>Undefiniert ($F5)</translation>
    </message>
    <message>
        <source>3848</source>
        <extracomment>Tune Request ($F6)</extracomment>
        <translation>Tune Request ($F6)</translation>
    </message>
    <message>
        <source>3849</source>
        <extracomment>Sysex EOX ($F7)</extracomment>
        <translation>SysEx-Ende ($F7)</translation>
    </message>
    <message>
        <source>3850</source>
        <extracomment>MIDI Timing Clock ($F8)</extracomment>
        <translation>MIDI-Clock ($F8)</translation>
    </message>
    <message>
        <source>3851</source>
        <extracomment>Undefined ($F9)</extracomment>
        <translation>Undefiniert ($F9)</translation>
    </message>
    <message>
        <source>3852</source>
        <extracomment>Song Start ($FA)</extracomment>
        <translation>Start ($FA)</translation>
    </message>
    <message>
        <source>3853</source>
        <extracomment>Song Continue ($FB)</extracomment>
        <translation>Fortsetzen ($FB)</translation>
    </message>
    <message>
        <source>3854</source>
        <extracomment>Song Stop ($FC)</extracomment>
        <translation>Stopp ($FC)</translation>
    </message>
    <message>
        <source>3855</source>
        <extracomment>Undefined ($FD)</extracomment>
        <translation>Undefiniert ($FD)</translation>
    </message>
    <message>
        <source>3856</source>
        <extracomment>Active Sensing ($FE)</extracomment>
        <translation>Active Sensing ($FE)</translation>
    </message>
    <message>
        <source>3857</source>
        <extracomment>System Reset ($FF)</extracomment>
        <translation>System-Reset ($FF)</translation>
    </message>
    <message>
        <source>3858</source>
        <extracomment>Velocity = </extracomment>
        <translation>Velocity = </translation>
    </message>
    <message>
        <source>3859</source>
        <extracomment>PolyPressure = </extracomment>
        <translation>Poly-AT = </translation>
    </message>
    <message>
        <source>3860</source>
        <extracomment>CC Type = </extracomment>
        <translation>CC-Typ = </translation>
    </message>
    <message>
        <source>3861</source>
        <extracomment>CC Value =</extracomment>
        <translation>CC-Wert =</translation>
    </message>
    <message>
        <source>3862</source>
        <extracomment>#0 Bank Select MSB</extracomment>
        <translation>#0 Bankwahl MSB</translation>
    </message>
    <message>
        <source>3863</source>
        <extracomment>#1 Mod Wheel MSB</extracomment>
        <translation>#1 Modulationsrad MSB</translation>
    </message>
    <message>
        <source>3864</source>
        <extracomment>#2 Breath Ctl MSB</extracomment>
        <translation>#2 Blaswandler MSB</translation>
    </message>
    <message>
        <source>3865</source>
        <extracomment>#3 Undefined</extracomment>
        <translation>#3 Undefiniert</translation>
    </message>
    <message>
        <source>3866</source>
        <extracomment>#4 Foot Ctl MSB</extracomment>
        <translation>#4 Fußcontroller MSB</translation>
    </message>
    <message>
        <source>3867</source>
        <extracomment>#5 Portamento Time MSB</extracomment>
        <translation>#5 Portamento-Zeit MSB</translation>
    </message>
    <message>
        <source>3868</source>
        <extracomment>#6 Data Entry MSB</extracomment>
        <translation>#6 Dateneingabe MSB</translation>
    </message>
    <message>
        <source>3869</source>
        <extracomment>#7 Main Volume MSB</extracomment>
        <translation>#7 Lautstärke MSB</translation>
    </message>
    <message>
        <source>3870</source>
        <extracomment>#8 Balance MSB</extracomment>
        <translation>#8 Balance MSB</translation>
    </message>
    <message>
        <source>3871</source>
        <extracomment>#9 Undefined</extracomment>
        <translation>#9 Undefiniert</translation>
    </message>
    <message>
        <source>3872</source>
        <extracomment>#10 Pan MSB</extracomment>
        <translation>#10 Panorama MSB</translation>
    </message>
    <message>
        <source>3873</source>
        <extracomment>#11 Expression MSB</extracomment>
        <translation>#11 Expression MSB</translation>
    </message>
    <message>
        <source>3874</source>
        <extracomment>#12 Undefined</extracomment>
        <translation>#12 Undefiniert</translation>
    </message>
    <message>
        <source>3875</source>
        <extracomment>#13 Undefined</extracomment>
        <translation>#13 Undefiniert</translation>
    </message>
    <message>
        <source>3876</source>
        <extracomment>#14 Undefined</extracomment>
        <translation>#14 Undefiniert</translation>
    </message>
    <message>
        <source>3877</source>
        <extracomment>#15 Undefined</extracomment>
        <translation>#15 Undefiniert</translation>
    </message>
    <message>
        <source>3878</source>
        <extracomment>#16 General Purpose 1 MSB</extracomment>
        <translation>#16 Mehrzweck 1 MSB</translation>
    </message>
    <message>
        <source>3879</source>
        <extracomment>#17 General Purpose 2 MSB</extracomment>
        <translation>#17 Mehrzweck 2 MSB</translation>
    </message>
    <message>
        <source>3880</source>
        <extracomment>#18 General Purpose 3 MSB</extracomment>
        <translation>#18 Mehrzweck 3 MSB</translation>
    </message>
    <message>
        <source>3881</source>
        <extracomment>#19 General Purpose 4 MSB</extracomment>
        <translation>#19 Mehrzweck 4 MSB</translation>
    </message>
    <message>
        <source>3882</source>
        <extracomment>#20 Undefined</extracomment>
        <translation>#20 Undefiniert</translation>
    </message>
    <message>
        <source>3883</source>
        <extracomment>#21 Undefined</extracomment>
        <translation>#21 Undefiniert</translation>
    </message>
    <message>
        <source>3884</source>
        <extracomment>#22 Undefined</extracomment>
        <translation>#22 Undefiniert</translation>
    </message>
    <message>
        <source>3885</source>
        <extracomment>#23 Undefined</extracomment>
        <translation>#23 Undefiniert</translation>
    </message>
    <message>
        <source>3886</source>
        <extracomment>#24 Undefined</extracomment>
        <translation>#24 Undefiniert</translation>
    </message>
    <message>
        <source>3887</source>
        <extracomment>#25 Undefined</extracomment>
        <translation>#25 Undefiniert</translation>
    </message>
    <message>
        <source>3888</source>
        <extracomment>#26 Undefined</extracomment>
        <translation>#26 Undefiniert</translation>
    </message>
    <message>
        <source>3889</source>
        <extracomment>#27 Undefined</extracomment>
        <translation>#27 Undefiniert</translation>
    </message>
    <message>
        <source>3890</source>
        <extracomment>#28 Undefined</extracomment>
        <translation>#28 Undefiniert</translation>
    </message>
    <message>
        <source>3891</source>
        <extracomment>#29 Undefined</extracomment>
        <translation>#29 Undefiniert</translation>
    </message>
    <message>
        <source>3892</source>
        <extracomment>#30 Undefined</extracomment>
        <translation>#30 Undefiniert</translation>
    </message>
    <message>
        <source>3893</source>
        <extracomment>#31 Undefined</extracomment>
        <translation>#31 Undefiniert</translation>
    </message>
    <message>
        <source>3894</source>
        <extracomment>#32 Bank Select LSB</extracomment>
        <translation>#32 Bankwahl LSB</translation>
    </message>
    <message>
        <source>3895</source>
        <extracomment>#33 Mod Wheel LSB</extracomment>
        <translation>#33 Modulationsrad LSB</translation>
    </message>
    <message>
        <source>3896</source>
        <extracomment>#34 Breath Ctl LSB</extracomment>
        <translation>#34 Blaswandler LSB</translation>
    </message>
    <message>
        <source>3897</source>
        <extracomment>#35 Undefined</extracomment>
        <translation>#35 Undefiniert</translation>
    </message>
    <message>
        <source>3898</source>
        <extracomment>#36 Foot Control LSB</extracomment>
        <translation>#36 Fußcontroller LSB</translation>
    </message>
    <message>
        <source>3899</source>
        <extracomment>#37 Portamento Time LSB</extracomment>
        <translation>#37 Portamento-Zeit LSB</translation>
    </message>
    <message>
        <source>3900</source>
        <extracomment>#38 Data Entry LSB</extracomment>
        <translation>#38 Dateneingabe LSB</translation>
    </message>
    <message>
        <source>3901</source>
        <extracomment>#39 Main Volume LSB</extracomment>
        <translation>#39 Lautstärke LSB</translation>
    </message>
    <message>
        <source>3902</source>
        <extracomment>#40 Balance LSB</extracomment>
        <translation>#40 Balance LSB</translation>
    </message>
    <message>
        <source>3903</source>
        <extracomment>#41 Undefined</extracomment>
        <translation>#41 Undefiniert</translation>
    </message>
    <message>
        <source>3904</source>
        <extracomment>#42 Pan LSB</extracomment>
        <translation>#42 Panorama LSB</translation>
    </message>
    <message>
        <source>3905</source>
        <extracomment>#43 Expression LSB</extracomment>
        <translation>#43 Expression LSB</translation>
    </message>
    <message>
        <source>3906</source>
        <extracomment>#44 Undefined</extracomment>
        <translation>#44 Undefiniert</translation>
    </message>
    <message>
        <source>3907</source>
        <extracomment>#45 Undefined</extracomment>
        <translation>#45 Undefiniert</translation>
    </message>
    <message>
        <source>3908</source>
        <extracomment>#46 Undefined</extracomment>
        <translation>#46 Undefiniert</translation>
    </message>
    <message>
        <source>3909</source>
        <extracomment>#47 Undefined</extracomment>
        <translation>#47 Undefiniert</translation>
    </message>
    <message>
        <source>3910</source>
        <extracomment>#48 General Purpose 1 LSB</extracomment>
        <translation>#48 Mehrzweck 1 LSB</translation>
    </message>
    <message>
        <source>3911</source>
        <extracomment>#49 General Purpose 2 LSB</extracomment>
        <translation>#49 Mehrzweck 2 LSB</translation>
    </message>
    <message>
        <source>3912</source>
        <extracomment>#50 General Purpose 3 LSB</extracomment>
        <translation>#50 Mehrzweck 3 LSB</translation>
    </message>
    <message>
        <source>3913</source>
        <extracomment>#51 General Purpose 4 LSB</extracomment>
        <translation>#51 Mehrzweck 4 LSB</translation>
    </message>
    <message>
        <source>3914</source>
        <extracomment>#52 Undefined</extracomment>
        <translation>#52 Undefiniert</translation>
    </message>
    <message>
        <source>3915</source>
        <extracomment>#53 Undefined</extracomment>
        <translation>#53 Undefiniert</translation>
    </message>
    <message>
        <source>3916</source>
        <extracomment>#54 Undefined</extracomment>
        <translation>#54 Undefiniert</translation>
    </message>
    <message>
        <source>3917</source>
        <extracomment>#55 Undefined</extracomment>
        <translation>#55 Undefiniert</translation>
    </message>
    <message>
        <source>3918</source>
        <extracomment>#56 Undefined</extracomment>
        <translation>#56 Undefiniert</translation>
    </message>
    <message>
        <source>3919</source>
        <extracomment>#57 Undefined</extracomment>
        <translation>#57 Undefiniert</translation>
    </message>
    <message>
        <source>3920</source>
        <extracomment>#58 Undefined</extracomment>
        <translation>#58 Undefiniert</translation>
    </message>
    <message>
        <source>3921</source>
        <extracomment>#59 Undefined</extracomment>
        <translation>#59 Undefiniert</translation>
    </message>
    <message>
        <source>3922</source>
        <extracomment>#60 Undefined</extracomment>
        <translation>#60 Undefiniert</translation>
    </message>
    <message>
        <source>3923</source>
        <extracomment>#61 Undefined</extracomment>
        <translation>#61 Undefiniert</translation>
    </message>
    <message>
        <source>3924</source>
        <extracomment>#62 Undefined</extracomment>
        <translation>#62 Undefiniert</translation>
    </message>
    <message>
        <source>3925</source>
        <extracomment>#63 Undefined</extracomment>
        <translation>#63 Undefiniert</translation>
    </message>
    <message>
        <source>3926</source>
        <extracomment>#64 Sustain Pedal</extracomment>
        <translation>#64 Haltepedal</translation>
    </message>
    <message>
        <source>3927</source>
        <extracomment>#65 Portamento</extracomment>
        <translation>#65 Portamento</translation>
    </message>
    <message>
        <source>3928</source>
        <extracomment>#66 Sostenuto</extracomment>
        <translation>#66 Sostenuto</translation>
    </message>
    <message>
        <source>3929</source>
        <extracomment>#67 Soft Pedal</extracomment>
        <translation>#67 Leisepedal</translation>
    </message>
    <message>
        <source>3930</source>
        <extracomment>#68 Undefined</extracomment>
        <translation>#68 Undefiniert</translation>
    </message>
    <message>
        <source>3931</source>
        <extracomment>#69 Hold 2</extracomment>
        <translation>#69 Hold 2</translation>
    </message>
    <message>
        <source>3932</source>
        <extracomment>#70 Undefined</extracomment>
        <translation>#70 Undefiniert</translation>
    </message>
    <message>
        <source>3933</source>
        <extracomment>#71 Undefined</extracomment>
        <translation>#71 Undefiniert</translation>
    </message>
    <message>
        <source>3934</source>
        <extracomment>#72 Undefined</extracomment>
        <translation>#72 Undefiniert</translation>
    </message>
    <message>
        <source>3935</source>
        <extracomment>#73 Undefined</extracomment>
        <translation>#73 Undefiniert</translation>
    </message>
    <message>
        <source>3936</source>
        <extracomment>#74 Undefined</extracomment>
        <translation>#74 Undefiniert</translation>
    </message>
    <message>
        <source>3937</source>
        <extracomment>#75 Undefined</extracomment>
        <translation>#75 Undefiniert</translation>
    </message>
    <message>
        <source>3938</source>
        <extracomment>#76 Undefined</extracomment>
        <translation>#76 Undefiniert</translation>
    </message>
    <message>
        <source>3939</source>
        <extracomment>#77 Undefined</extracomment>
        <translation>#77 Undefiniert</translation>
    </message>
    <message>
        <source>3940</source>
        <extracomment>#78 Undefined</extracomment>
        <translation>#78 Undefiniert</translation>
    </message>
    <message>
        <source>3941</source>
        <extracomment>#79 Undefined</extracomment>
        <translation>#79 Undefiniert</translation>
    </message>
    <message>
        <source>3942</source>
        <extracomment>#80 General Purpose 5</extracomment>
        <translation>#80 Mehrzweck 5</translation>
    </message>
    <message>
        <source>3943</source>
        <extracomment>#81 General Purpose 6</extracomment>
        <translation>#81 Mehrzweck 6</translation>
    </message>
    <message>
        <source>3944</source>
        <extracomment>#82 General Purpose 7</extracomment>
        <translation>#82 Mehrzweck 7</translation>
    </message>
    <message>
        <source>3945</source>
        <extracomment>#83 General Purpose 8</extracomment>
        <translation>#83 Mehrzweck 8</translation>
    </message>
    <message>
        <source>3946</source>
        <extracomment>#84 Undefined</extracomment>
        <translation>#84 Undefiniert</translation>
    </message>
    <message>
        <source>3947</source>
        <extracomment>#85 Undefined</extracomment>
        <translation>#85 Undefiniert</translation>
    </message>
    <message>
        <source>3948</source>
        <extracomment>#86 Undefined</extracomment>
        <translation>#86 Undefiniert</translation>
    </message>
    <message>
        <source>3949</source>
        <extracomment>#87 Undefined</extracomment>
        <translation>#87 Undefiniert</translation>
    </message>
    <message>
        <source>3950</source>
        <extracomment>#88 Undefined</extracomment>
        <translation>#88 Undefiniert</translation>
    </message>
    <message>
        <source>3951</source>
        <extracomment>#89 Undefined</extracomment>
        <translation>#89 Undefiniert</translation>
    </message>
    <message>
        <source>3952</source>
        <extracomment>#90 Undefined</extracomment>
        <translation>#90 Undefiniert</translation>
    </message>
    <message>
        <source>3953</source>
        <extracomment>#91 Reverb Depth</extracomment>
        <translation>#91 Hall-Anteil</translation>
    </message>
    <message>
        <source>3954</source>
        <extracomment>#92 Tremolo Depth</extracomment>
        <translation>#92 Tremolo-Anteil</translation>
    </message>
    <message>
        <source>3955</source>
        <extracomment>#93 Chorus Depth</extracomment>
        <translation>#93 Chorus-Anteil</translation>
    </message>
    <message>
        <source>3956</source>
        <extracomment>#94 Celeste Depth</extracomment>
        <translation>#94 Celeste-Anteil</translation>
    </message>
    <message>
        <source>3957</source>
        <extracomment>#95 Phaser Depth</extracomment>
        <translation>#95 Phaser-Anteil</translation>
    </message>
    <message>
        <source>3958</source>
        <extracomment>#96 Data Increment</extracomment>
        <translation>#96 Daten erhöhen</translation>
    </message>
    <message>
        <source>3959</source>
        <extracomment>#97 Data Decrement</extracomment>
        <translation>#97 Daten verringern</translation>
    </message>
    <message>
        <source>3960</source>
        <extracomment>#98 Non-Registered Param LSB</extracomment>
        <translation>#98 NRPN LSB</translation>
    </message>
    <message>
        <source>3961</source>
        <extracomment>#99 Non-Registered Param MSB</extracomment>
        <translation>#99 NRPN MSB</translation>
    </message>
    <message>
        <source>3962</source>
        <extracomment>#100 Registered Param LSB</extracomment>
        <translation>#100 RPN LSB</translation>
    </message>
    <message>
        <source>3963</source>
        <extracomment>#101 Registered Param MSB</extracomment>
        <translation>#101 RPN MSB</translation>
    </message>
    <message>
        <source>3964</source>
        <extracomment>#102 Undefined</extracomment>
        <translation>#102 Undefiniert</translation>
    </message>
    <message>
        <source>3965</source>
        <extracomment>#103 Undefined</extracomment>
        <translation>#103 Undefiniert</translation>
    </message>
    <message>
        <source>3966</source>
        <extracomment>#104 Undefined</extracomment>
        <translation>#104 Undefiniert</translation>
    </message>
    <message>
        <source>3967</source>
        <extracomment>#105 Undefined</extracomment>
        <translation>#105 Undefiniert</translation>
    </message>
    <message>
        <source>3968</source>
        <extracomment>#106 Undefined</extracomment>
        <translation>#106 Undefiniert</translation>
    </message>
    <message>
        <source>3969</source>
        <extracomment>#107 Undefined</extracomment>
        <translation>#107 Undefiniert</translation>
    </message>
    <message>
        <source>3970</source>
        <extracomment>#108 Undefined</extracomment>
        <translation>#108 Undefiniert</translation>
    </message>
    <message>
        <source>3971</source>
        <extracomment>#109 Undefined</extracomment>
        <translation>#109 Undefiniert</translation>
    </message>
    <message>
        <source>3972</source>
        <extracomment>#110 Undefined</extracomment>
        <translation>#110 Undefiniert</translation>
    </message>
    <message>
        <source>3973</source>
        <extracomment>#111 Undefined</extracomment>
        <translation>#111 Undefiniert</translation>
    </message>
    <message>
        <source>3974</source>
        <extracomment>#112 Undefined</extracomment>
        <translation>#112 Undefiniert</translation>
    </message>
    <message>
        <source>3975</source>
        <extracomment>#113 Undefined</extracomment>
        <translation>#113 Undefiniert</translation>
    </message>
    <message>
        <source>3976</source>
        <extracomment>#114 Undefined</extracomment>
        <translation>#114 Undefiniert</translation>
    </message>
    <message>
        <source>3977</source>
        <extracomment>#115 Undefined</extracomment>
        <translation>#115 Undefiniert</translation>
    </message>
    <message>
        <source>3978</source>
        <extracomment>#116 Undefined</extracomment>
        <translation>#116 Undefiniert</translation>
    </message>
    <message>
        <source>3979</source>
        <extracomment>#117 Undefined</extracomment>
        <translation>#117 Undefiniert</translation>
    </message>
    <message>
        <source>3980</source>
        <extracomment>#118 Undefined</extracomment>
        <translation>#118 Undefiniert</translation>
    </message>
    <message>
        <source>3981</source>
        <extracomment>#119 Undefined</extracomment>
        <translation>#119 Undefiniert</translation>
    </message>
    <message>
        <source>3982</source>
        <extracomment>#120 All Sounds Off</extracomment>
        <translation>#120 Alle Klänge aus</translation>
    </message>
    <message>
        <source>3983</source>
        <extracomment>#121 Reset All Controllers</extracomment>
        <translation>#121 Controller zurücksetzen</translation>
    </message>
    <message>
        <source>3984</source>
        <extracomment>#122 Local Control</extracomment>
        <translation>#122 Local Control</translation>
    </message>
    <message>
        <source>3985</source>
        <extracomment>#123 All Notes Off</extracomment>
        <translation>#123 Alle Noten aus</translation>
    </message>
    <message>
        <source>3986</source>
        <extracomment>#124 Omni Off</extracomment>
        <translation>#124 Omni aus</translation>
    </message>
    <message>
        <source>3987</source>
        <extracomment>#125 Omni On</extracomment>
        <translation>#125 Omni ein</translation>
    </message>
    <message>
        <source>3988</source>
        <extracomment>#126 Mono On</extracomment>
        <translation>#126 Mono ein</translation>
    </message>
    <message>
        <source>3989</source>
        <extracomment>#127 Poly On</extracomment>
        <translation>#127 Poly ein</translation>
    </message>
    <message>
        <source>3990</source>
        <extracomment>Program = </extracomment>
        <translation>Programm = </translation>
    </message>
    <message>
        <source>3991</source>
        <extracomment>Ext</extracomment>
        <translation>Ext</translation>
    </message>
    <message>
        <source>3992</source>
        <extracomment>Int</extracomment>
        <translation>Int</translation>
    </message>
    <message>
        <source>3993</source>
        <extracomment>Pressure = </extracomment>
        <translation>Aftertouch = </translation>
    </message>
    <message>
        <source>3994</source>
        <extracomment>Bend = </extracomment>
        <translation>Pitchbend = </translation>
    </message>
    <message>
        <source>3995</source>
        <extracomment>Pitch = </extracomment>
        <translation>Note = </translation>
    </message>
    <message>
        <source>3996</source>
        <extracomment>MTC Msg # = </extracomment>
        <translation>MTC-Nr. = </translation>
    </message>
    <message>
        <source>3997</source>
        <extracomment>MTC Msg Value = </extracomment>
        <translation>MTC-Wert = </translation>
    </message>
    <message>
        <source>3998</source>
        <extracomment>Clocks (24 PPQN) =</extracomment>
        <translation>Clocks (24 PPQN) =</translation>
    </message>
    <message>
        <source>3999</source>
        <extracomment>Song # = </extracomment>
        <translation>Song-Nr. = </translation>
    </message>
    <message>
        <source>4000</source>
        <extracomment>Could not load a BMP from Res file, exiting program.</extracomment>
        <translation>Konnte kein BMP aus der Res-Datei laden, Programm wird beendet.</translation>
    </message>
    <message>
        <source>4003</source>
        <extracomment>Event</extracomment>
        <translation>Event</translation>
    </message>
    <message>
        <source>4004</source>
        <extracomment>Clear</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>4005</source>
        <extracomment>Save Text</extracomment>
        <translation>Textexport</translation>
    </message>
    <message>
        <source>4006</source>
        <extracomment>Filter</extracomment>
        <translation>Filter</translation>
    </message>
    <message>
        <source>4007</source>
        <extracomment>Settings</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>4008</source>
        <extracomment>Rewind</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>4009</source>
        <extracomment>Stop</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>4010</source>
        <extracomment>Play</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>4011</source>
        <extracomment>Current Time (mS)</extracomment>
        <translation>Aktuelle Zeit (ms)</translation>
    </message>
    <message>
        <source>4012</source>
        <extracomment>Help</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>4014</source>
        <extracomment>When Display is Full:</extracomment>
        <translation>Wenn die Anzeige voll ist:</translation>
    </message>
    <message>
        <source>4015</source>
        <extracomment>Stop</extracomment>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>4016</source>
        <extracomment>Wrap Around</extracomment>
        <translation>Von vorn beginnen</translation>
    </message>
    <message>
        <source>4017</source>
        <extracomment>Wrap Around + Clear Evt Count</extracomment>
        <translation>Von vorn + Zähler löschen</translation>
    </message>
    <message>
        <source>4018</source>
        <extracomment>Number of Display Events</extracomment>
        <translation>Anzahl der Events</translation>
    </message>
    <message>
        <source>4019</source>
        <extracomment>Stop timer after</extracomment>
        <translation>Timer aus nach</translation>
    </message>
    <message>
        <source>4020</source>
        <extracomment>Secs of inactivity.</extracomment>
        <translation>Sek. Inaktivität.</translation>
    </message>
    <message>
        <source>4021</source>
        <extracomment>Save Text Options</extracomment>
        <translation>Textausgabe</translation>
    </message>
    <message>
        <source>4022</source>
        <extracomment>Save entire buffer to text file.</extracomment>
        <translation>Ganzen Puffer in Textdatei sichern.</translation>
    </message>
    <message>
        <source>4023</source>
        <extracomment>Display recent events in Text window.</extracomment>
        <translation>Letzte Events im Textfenster zeigen.</translation>
    </message>
    <message>
        <source>4025</source>
        <extracomment>OK</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>4026</source>
        <extracomment>Cancel</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>4027</source>
        <extracomment>Display:</extracomment>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>4028</source>
        <extracomment>Only...</extracomment>
        <translation>Nur...</translation>
    </message>
    <message>
        <source>4029</source>
        <extracomment>All Except...</extracomment>
        <translation>Alle außer...</translation>
    </message>
    <message>
        <source>4030</source>
        <extracomment>Source</extracomment>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>4031</source>
        <extracomment>Computer MIDI Input</extracomment>
        <translation>Computer-MIDI-Eingang</translation>
    </message>
    <message>
        <source>4032</source>
        <extracomment>Host Program Output</extracomment>
        <translation>Ausgang des Hosts</translation>
    </message>
    <message>
        <source>4033</source>
        <extracomment>Channels</extracomment>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>4034</source>
        <extracomment>Events</extracomment>
        <translation>Events</translation>
    </message>
    <message>
        <source>4035</source>
        <extracomment>Controllers</extracomment>
        <translation>Controller</translation>
    </message>
    <message>
        <source>4036</source>
        <extracomment>None</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>4037</source>
        <extracomment>All</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>4038</source>
        <extracomment>Select All</extracomment>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>4039</source>
        <extracomment>Clear</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>4040</source>
        <extracomment>Copy</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>4041</source>
        <extracomment>Save</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>4042</source>
        <extracomment>Save Text</extracomment>
        <translation>Text speichern</translation>
    </message>
    <message>
        <source>4043</source>
        <extracomment>Display Filter</extracomment>
        <translation>Anzeigefilter</translation>
    </message>
    <message>
        <source>4046</source>
        <extracomment>MIDI Display</extracomment>
        <translation>MIDI-Anzeige</translation>
    </message>
    <message>
        <source>4047</source>
        <extracomment>Sequencer Control</extracomment>
        <translation>Sequenzer-Steuerung</translation>
    </message>
    <message>
        <source>4048</source>
        <extracomment>Timer</extracomment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>4049</source>
        <extracomment>Evt #</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>4050</source>
        <extracomment>Time (mS)</extracomment>
        <translation>Zeit (ms)</translation>
    </message>
    <message>
        <source>4051</source>
        <extracomment>Source</extracomment>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>4052</source>
        <extracomment>Raw</extracomment>
        <translation>Roh</translation>
    </message>
    <message>
        <source>4053</source>
        <extracomment>Status</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>4054</source>
        <extracomment>Chan</extracomment>
        <translation>Kan.</translation>
    </message>
    <message>
        <source>4055</source>
        <extracomment>Data 1</extracomment>
        <translation>Daten 1</translation>
    </message>
    <message>
        <source>4056</source>
        <extracomment>Data 2</extracomment>
        <translation>Daten 2</translation>
    </message>
    <message>
        <source>4058</source>
        <extracomment>This combination cannot display any events. Both inputs are disabled.</extracomment>
        <translation>Mit dieser Einstellung wird nichts angezeigt. Beide Eingänge sind abgeschaltet.</translation>
    </message>
    <message>
        <source>4059</source>
        <extracomment>This combination can only display System (non-channel) events. No Channels selected.</extracomment>
        <translation>Mit dieser Einstellung werden nur System-Events (ohne Kanal) angezeigt. Kein Kanal gewählt.</translation>
    </message>
    <message>
        <source>4060</source>
        <extracomment>This combination cannot display any events. No Event types selected.</extracomment>
        <translation>Mit dieser Einstellung wird nichts angezeigt. Kein Event-Typ gewählt.</translation>
    </message>
    <message>
        <source>4065</source>
        <extracomment>$OSTRA.cfg</extracomment>
        <translation>$OSTRA.cfg</translation>
    </message>
    <message>
        <source>4080</source>
        <extracomment>Drum Kit</extracomment>
        <translation>Drumkit</translation>
    </message>
    <message>
        <source>4081</source>
        <extracomment>Transport Keys</extracomment>
        <translation>Transporttasten</translation>
    </message>
    <message>
        <source>4082</source>
        <extracomment>On</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>4083</source>
        <extracomment>Ctrl Key</extracomment>
        <translation>Strg-Taste</translation>
    </message>
    <message>
        <source>4084</source>
        <extracomment>Off</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>4085</source>
        <extracomment>Drum Kit Settings</extracomment>
        <translation>Drumkit-Einstellungen</translation>
    </message>
    <message>
        <source>4098</source>
        <extracomment>MIDI Monitor is Always On Top</extracomment>
        <translation>MIDI-Monitor immer im Vordergrund</translation>
    </message>
    <message>
        <source>4099</source>
        <extracomment>Working...</extracomment>
        <translation>In Arbeit...</translation>
    </message>
    <message>
        <source>4100</source>
        <extracomment>Please wait, building text block...</extracomment>
        <translation>Bitte warten, Textblock wird erstellt...</translation>
    </message>
    <message>
        <source>4288</source>
        <extracomment>MIDI Monitor</extracomment>
        <translation>MIDI-Monitor</translation>
    </message>
    <message>
        <source>4289</source>
        <extracomment>MIDI Monitor Settings</extracomment>
        <translation>MIDI-Monitor-Einstellungen</translation>
    </message>
    <message>
        <source>4295</source>
        <extracomment>Exit</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>4301</source>
        <extracomment>Minimize</extracomment>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>4642</source>
        <extracomment>MIDI Settings</extracomment>
        <translation>MIDI-Einstellungen</translation>
    </message>
    <message>
        <source>4643</source>
        <extracomment>Drum MIDI Port</extracomment>
        <translation>MIDI-Port für Drums</translation>
    </message>
    <message>
        <source>4644</source>
        <extracomment>Drum MIDI Channel</extracomment>
        <translation>MIDI-Kanal für Drums</translation>
    </message>
    <message>
        <source>4645</source>
        <extracomment>Drum Duration Boost</extracomment>
        <translation>Zusätzliche Leuchtdauer</translation>
    </message>
    <message>
        <source>4646</source>
        <extracomment>Display QUERTY Chars On Drums</extracomment>
        <translation>Tastenzeichen auf Drums zeigen</translation>
    </message>
    <message>
        <source>4664</source>
        <extracomment>EXE Files</extracomment>
        <translation>EXE-Dateien</translation>
    </message>
    <message>
        <source>4665</source>
        <extracomment>EXE File to Link to</extracomment>
        <translation>EXE-Datei zum Verknüpfen</translation>
    </message>
    <message>
        <source>4669</source>
        <extracomment>Choose name of .EXE to link to</extracomment>
        <translation>Name der zu verknüpfenden .EXE wählen</translation>
    </message>
    <message>
        <source>4670</source>
        <extracomment>Please enter the complete path of the .EXE file you wish the program to link to below</extracomment>
        <translation>Bitte geben Sie unten den vollständigen Pfad der .EXE-Datei ein, mit der das Programm verknüpft werden soll</translation>
    </message>
    <message>
        <source>4671</source>
        <extracomment> is running, but VelmarLink component could not link. This error can occur if </extracomment>
        <translation> läuft, aber die VelmarLink-Komponente konnte keine Verknüpfung herstellen. Dieser Fehler kann auftreten, wenn </translation>
    </message>
    <message>
        <source>4672</source>
        <extracomment> is an older version that doesn''t support linking, or the .EXE wasn''t designed to support linking, or you may be attempting to link this plugin with an obsolete 16-bit version of the .EXE</extracomment>
        <translation> eine ältere Version ist, die keine Verknüpfung unterstützt, oder wenn die .EXE nicht für Verknüpfungen ausgelegt ist, oder wenn Sie versuchen, dieses Plug-in mit einer veralteten 16-Bit-Version der .EXE zu verknüpfen</translation>
    </message>
    <message>
        <source>4673</source>
        <extracomment> appears to be running, but VelmarLink can''t find the main window handle. This error can occur if you didn't specify the complete path name, INCLUDING the .EXE extension, or you may be attempting to link this plugin with an obsolete 16-bit version of the .EXE</extracomment>
        <translation> scheint zu laufen, aber VelmarLink findet das Handle des Hauptfensters nicht. Dieser Fehler kann auftreten, wenn Sie nicht den vollständigen Pfadnamen EINSCHLIESSLICH der Endung .EXE angegeben haben, oder wenn Sie versuchen, dieses Plug-in mit einer veralteten 16-Bit-Version der .EXE zu verknüpfen</translation>
    </message>
    <message>
        <source>4674</source>
        <extracomment> found, and appears to support linking, but sign in failed.  This could be due to another program already being signed in to the main program, or you''ve attempted to run this .EXE from outside of the main program while a .DLL is currently loaded.</extracomment>
        <translation> gefunden und unterstützt offenbar Verknüpfungen, aber die Anmeldung ist fehlgeschlagen.  Vielleicht ist schon ein anderes Programm beim Hauptprogramm angemeldet, oder Sie haben diese .EXE außerhalb des Hauptprogramms gestartet, während eine .DLL geladen ist.</translation>
    </message>
    <message>
        <source>4675</source>
        <extracomment>If another .EXE is linked to the main program, close it and try running this .EXE again.</extracomment>
        <translation>Ist eine andere .EXE mit dem Hauptprogramm verknüpft, schließen Sie sie und starten Sie diese .EXE erneut.</translation>
    </message>
    <message>
        <source>4676</source>
        <extracomment>Note that a .DLL can still be currently loaded by the main program even if no window is currently visible on screen.</extracomment>
        <translation>Das Hauptprogramm kann eine .DLL geladen haben, auch wenn kein Fenster davon zu sehen ist.</translation>
    </message>
    <message>
        <source>4677</source>
        <extracomment>If a .DLL is loaded by the main program, the solution to this problem is to launch this .EXE from within the main program rather than from outside it.</extracomment>
        <translation>Hat das Hauptprogramm eine .DLL geladen, starten Sie diese .EXE aus dem Hauptprogramm heraus statt von außerhalb.</translation>
    </message>
    <message>
        <source>4678</source>
        <extracomment>Error creating memory mapping</extracomment>
        <translation>Fehler beim Anlegen der Speicherzuordnung</translation>
    </message>
    <message>
        <source>4679</source>
        <extracomment>Error deallocating mapped memory</extracomment>
        <translation>Fehler beim Freigeben des zugeordneten Speichers</translation>
    </message>
    <message>
        <source>4680</source>
        <extracomment>Error freeing memory mapping handle</extracomment>
        <translation>Fehler beim Freigeben des Speicherzuordnungs-Handles</translation>
    </message>
    <message>
        <source>15109</source>
        <extracomment>Note Off (#128)</extracomment>
        <translation>Note-Off (#128)</translation>
    </message>
    <message>
        <source>15110</source>
        <extracomment>Note On (#144)</extracomment>
        <translation>Note-On (#144)</translation>
    </message>
    <message>
        <source>15111</source>
        <extracomment>Poly Pressure (#160)</extracomment>
        <translation>Poly-Aftertouch (#160)</translation>
    </message>
    <message>
        <source>15112</source>
        <extracomment>Control Change (#176)</extracomment>
        <translation>Controller (#176)</translation>
    </message>
    <message>
        <source>15113</source>
        <extracomment>Program Change (#192)</extracomment>
        <translation>Prog.-Wechsel (#192)</translation>
    </message>
    <message>
        <source>15114</source>
        <extracomment>Channel Pressure (#208)</extracomment>
        <translation>Aftertouch (#208)</translation>
    </message>
    <message>
        <source>15115</source>
        <extracomment>Pitch Bend (#224)</extracomment>
        <translation>Pitchbend (#224)</translation>
    </message>
    <message>
        <source>15116</source>
        <extracomment>Sysex Start (#240)</extracomment>
        <translation>SysEx-Start (#240)</translation>
    </message>
    <message>
        <source>15117</source>
        <extracomment>MTC Quarter Frame (#241)</extracomment>
        <translation>MTC-Viertelframe (#241)</translation>
    </message>
    <message>
        <source>15118</source>
        <extracomment>Song Position Ptr (#242)</extracomment>
        <translation>Songposition (#242)</translation>
    </message>
    <message>
        <source>15119</source>
        <extracomment>Song Select (#243)</extracomment>
        <translation>Songauswahl (#243)</translation>
    </message>
    <message>
        <source>15120</source>
        <extracomment>Undefined (#244)</extracomment>
        <translation>Undefiniert (#244)</translation>
    </message>
    <message>
        <source>15121</source>
        <extracomment>Undefined {#245)</extracomment>
        <translation>Undefiniert (#245)</translation>
    </message>
    <message>
        <source>15122</source>
        <extracomment>Tune Request (#246)</extracomment>
        <translation>Tune Request (#246)</translation>
    </message>
    <message>
        <source>15123</source>
        <extracomment>Sysex EOX (#247)</extracomment>
        <translation>SysEx-Ende (#247)</translation>
    </message>
    <message>
        <source>15124</source>
        <extracomment>MIDI Timing Clock (#248)</extracomment>
        <translation>MIDI-Clock (#248)</translation>
    </message>
    <message>
        <source>15125</source>
        <extracomment>Undefined (#249)</extracomment>
        <translation>Undefiniert (#249)</translation>
    </message>
    <message>
        <source>15126</source>
        <extracomment>Song Start (#250)</extracomment>
        <translation>Start (#250)</translation>
    </message>
    <message>
        <source>15127</source>
        <extracomment>Song Continue (#251)</extracomment>
        <translation>Fortsetzen (#251)</translation>
    </message>
    <message>
        <source>15128</source>
        <extracomment>Song Stop (#252)</extracomment>
        <translation>Stopp (#252)</translation>
    </message>
    <message>
        <source>15129</source>
        <extracomment>Undefined (#253)</extracomment>
        <translation>Undefiniert (#253)</translation>
    </message>
    <message>
        <source>15130</source>
        <extracomment>Active Sensing (#254)</extracomment>
        <translation>Active Sensing (#254)</translation>
    </message>
    <message>
        <source>15131</source>
        <extracomment>System Reset (#255)</extracomment>
        <translation>System-Reset (#255)</translation>
    </message>
    <message>
        <source>15132</source>
        <extracomment>$00 Bank Select MSB</extracomment>
        <translation>$00 Bankwahl MSB</translation>
    </message>
    <message>
        <source>15133</source>
        <extracomment>$01 Mod Wheel MSB</extracomment>
        <translation>$01 Modulationsrad MSB</translation>
    </message>
    <message>
        <source>15134</source>
        <extracomment>$02 Breath Ctl MSB</extracomment>
        <translation>$02 Blaswandler MSB</translation>
    </message>
    <message>
        <source>15135</source>
        <extracomment>$03 Undefined</extracomment>
        <translation>$03 Undefiniert</translation>
    </message>
    <message>
        <source>15136</source>
        <extracomment>$04 Foot Ctl MSB</extracomment>
        <translation>$04 Fußcontroller MSB</translation>
    </message>
    <message>
        <source>15137</source>
        <extracomment>$05 Portamento Time MSB</extracomment>
        <translation>$05 Portamento-Zeit MSB</translation>
    </message>
    <message>
        <source>15138</source>
        <extracomment>$06 Data Entry MSB</extracomment>
        <translation>$06 Dateneingabe MSB</translation>
    </message>
    <message>
        <source>15139</source>
        <extracomment>$07 Main Volume MSB</extracomment>
        <translation>$07 Lautstärke MSB</translation>
    </message>
    <message>
        <source>15140</source>
        <extracomment>$08 Balance MSB</extracomment>
        <translation>$08 Balance MSB</translation>
    </message>
    <message>
        <source>15141</source>
        <extracomment>$09 Undefined</extracomment>
        <translation>$09 Undefiniert</translation>
    </message>
    <message>
        <source>15142</source>
        <extracomment>$0A Pan MSB</extracomment>
        <translation>$0A Panorama MSB</translation>
    </message>
    <message>
        <source>15143</source>
        <extracomment>$0B Expression MSB</extracomment>
        <translation>$0B Expression MSB</translation>
    </message>
    <message>
        <source>15144</source>
        <extracomment>$0C Undefined</extracomment>
        <translation>$0C Undefiniert</translation>
    </message>
    <message>
        <source>15145</source>
        <extracomment>$0D Undefined</extracomment>
        <translation>$0D Undefiniert</translation>
    </message>
    <message>
        <source>15146</source>
        <extracomment>$0E Undefined</extracomment>
        <translation>$0E Undefiniert</translation>
    </message>
    <message>
        <source>15147</source>
        <extracomment>$0F Undefined</extracomment>
        <translation>$0F Undefiniert</translation>
    </message>
    <message>
        <source>15148</source>
        <extracomment>$10 General Purpose 1 MSB</extracomment>
        <translation>$10 Mehrzweck 1 MSB</translation>
    </message>
    <message>
        <source>15149</source>
        <extracomment>$11 General Purpose 2 MSB</extracomment>
        <translation>$11 Mehrzweck 2 MSB</translation>
    </message>
    <message>
        <source>15150</source>
        <extracomment>$12 General Purpose 3 MSB</extracomment>
        <translation>$12 Mehrzweck 3 MSB</translation>
    </message>
    <message>
        <source>15151</source>
        <extracomment>$13 General Purpose 4 MSB</extracomment>
        <translation>$13 Mehrzweck 4 MSB</translation>
    </message>
    <message>
        <source>15152</source>
        <extracomment>$14 Undefined</extracomment>
        <translation>$14 Undefiniert</translation>
    </message>
    <message>
        <source>15153</source>
        <extracomment>$15 Undefined</extracomment>
        <translation>$15 Undefiniert</translation>
    </message>
    <message>
        <source>15154</source>
        <extracomment>$16 Undefined</extracomment>
        <translation>$16 Undefiniert</translation>
    </message>
    <message>
        <source>15155</source>
        <extracomment>$17 Undefined</extracomment>
        <translation>$17 Undefiniert</translation>
    </message>
    <message>
        <source>15156</source>
        <extracomment>$18 Undefined</extracomment>
        <translation>$18 Undefiniert</translation>
    </message>
    <message>
        <source>15157</source>
        <extracomment>$19 Undefined</extracomment>
        <translation>$19 Undefiniert</translation>
    </message>
    <message>
        <source>15158</source>
        <extracomment>$1A Undefined</extracomment>
        <translation>$1A Undefiniert</translation>
    </message>
    <message>
        <source>15159</source>
        <extracomment>$1B Undefined</extracomment>
        <translation>$1B Undefiniert</translation>
    </message>
    <message>
        <source>15160</source>
        <extracomment>$1C Undefined</extracomment>
        <translation>$1C Undefiniert</translation>
    </message>
    <message>
        <source>15161</source>
        <extracomment>$1D Undefined</extracomment>
        <translation>$1D Undefiniert</translation>
    </message>
    <message>
        <source>15162</source>
        <extracomment>$1E Undefined</extracomment>
        <translation>$1E Undefiniert</translation>
    </message>
    <message>
        <source>15163</source>
        <extracomment>$1F Undefined</extracomment>
        <translation>$1F Undefiniert</translation>
    </message>
    <message>
        <source>15164</source>
        <extracomment>$20 Bank Select LSB</extracomment>
        <translation>$20 Bankwahl LSB</translation>
    </message>
    <message>
        <source>15165</source>
        <extracomment>$21 Mod Wheel LSB</extracomment>
        <translation>$21 Modulationsrad LSB</translation>
    </message>
    <message>
        <source>15166</source>
        <extracomment>$22 Breath Ctl LSB</extracomment>
        <translation>$22 Blaswandler LSB</translation>
    </message>
    <message>
        <source>15167</source>
        <extracomment>$23 Undefined</extracomment>
        <translation>$23 Undefiniert</translation>
    </message>
    <message>
        <source>15168</source>
        <extracomment>$24 Foot Control LSB</extracomment>
        <translation>$24 Fußcontroller LSB</translation>
    </message>
    <message>
        <source>15169</source>
        <extracomment>$25 Portamento Time LSB</extracomment>
        <translation>$25 Portamento-Zeit LSB</translation>
    </message>
    <message>
        <source>15170</source>
        <extracomment>$26 Data Entry LSB</extracomment>
        <translation>$26 Dateneingabe LSB</translation>
    </message>
    <message>
        <source>15171</source>
        <extracomment>$27 Main Volume LSB</extracomment>
        <translation>$27 Lautstärke LSB</translation>
    </message>
    <message>
        <source>15172</source>
        <extracomment>$28 Balance LSB</extracomment>
        <translation>$28 Balance LSB</translation>
    </message>
    <message>
        <source>15173</source>
        <extracomment>$29 Undefined</extracomment>
        <translation>$29 Undefiniert</translation>
    </message>
    <message>
        <source>15174</source>
        <extracomment>$2A Pan LSB</extracomment>
        <translation>$2A Panorama LSB</translation>
    </message>
    <message>
        <source>15175</source>
        <extracomment>$2B Expression LSB</extracomment>
        <translation>$2B Expression LSB</translation>
    </message>
    <message>
        <source>15176</source>
        <extracomment>$2C Undefined</extracomment>
        <translation>$2C Undefiniert</translation>
    </message>
    <message>
        <source>15177</source>
        <extracomment>$2D Undefined</extracomment>
        <translation>$2D Undefiniert</translation>
    </message>
    <message>
        <source>15178</source>
        <extracomment>$2E Undefined</extracomment>
        <translation>$2E Undefiniert</translation>
    </message>
    <message>
        <source>15179</source>
        <extracomment>$2F Undefined</extracomment>
        <translation>$2F Undefiniert</translation>
    </message>
    <message>
        <source>15180</source>
        <extracomment>$30 General Purpose 1 LSB</extracomment>
        <translation>$30 Mehrzweck 1 LSB</translation>
    </message>
    <message>
        <source>15181</source>
        <extracomment>$31 General Purpose 2 LSB</extracomment>
        <translation>$31 Mehrzweck 2 LSB</translation>
    </message>
    <message>
        <source>15182</source>
        <extracomment>$32 General Purpose 3 LSB</extracomment>
        <translation>$32 Mehrzweck 3 LSB</translation>
    </message>
    <message>
        <source>15183</source>
        <extracomment>$33 General Purpose 4 LSB</extracomment>
        <translation>$33 Mehrzweck 4 LSB</translation>
    </message>
    <message>
        <source>15184</source>
        <extracomment>$34 Undefined</extracomment>
        <translation>$34 Undefiniert</translation>
    </message>
    <message>
        <source>15185</source>
        <extracomment>$35 Undefined</extracomment>
        <translation>$35 Undefiniert</translation>
    </message>
    <message>
        <source>15186</source>
        <extracomment>$36 Undefined</extracomment>
        <translation>$36 Undefiniert</translation>
    </message>
    <message>
        <source>15187</source>
        <extracomment>$37 Undefined</extracomment>
        <translation>$37 Undefiniert</translation>
    </message>
    <message>
        <source>15188</source>
        <extracomment>$38 Undefined</extracomment>
        <translation>$38 Undefiniert</translation>
    </message>
    <message>
        <source>15189</source>
        <extracomment>$39 Undefined</extracomment>
        <translation>$39 Undefiniert</translation>
    </message>
    <message>
        <source>15190</source>
        <extracomment>$3A Undefined</extracomment>
        <translation>$3A Undefiniert</translation>
    </message>
    <message>
        <source>15191</source>
        <extracomment>$3B Undefined</extracomment>
        <translation>$3B Undefiniert</translation>
    </message>
    <message>
        <source>15192</source>
        <extracomment>$3C Undefined</extracomment>
        <translation>$3C Undefiniert</translation>
    </message>
    <message>
        <source>15193</source>
        <extracomment>$3D Undefined</extracomment>
        <translation>$3D Undefiniert</translation>
    </message>
    <message>
        <source>15194</source>
        <extracomment>$3E Undefined</extracomment>
        <translation>$3E Undefiniert</translation>
    </message>
    <message>
        <source>15195</source>
        <extracomment>$3F Undefined</extracomment>
        <translation>$3F Undefiniert</translation>
    </message>
    <message>
        <source>15196</source>
        <extracomment>$40 Sustain Pedal</extracomment>
        <translation>$40 Haltepedal</translation>
    </message>
    <message>
        <source>15197</source>
        <extracomment>$41 Portamento</extracomment>
        <translation>$41 Portamento</translation>
    </message>
    <message>
        <source>15198</source>
        <extracomment>$42 Sostenuto</extracomment>
        <translation>$42 Sostenuto</translation>
    </message>
    <message>
        <source>15199</source>
        <extracomment>$43 Soft Pedal</extracomment>
        <translation>$43 Leisepedal</translation>
    </message>
    <message>
        <source>15200</source>
        <extracomment>$44 Undefined</extracomment>
        <translation>$44 Undefiniert</translation>
    </message>
    <message>
        <source>15201</source>
        <extracomment>$45 Hold 2</extracomment>
        <translation>$45 Hold 2</translation>
    </message>
    <message>
        <source>15202</source>
        <extracomment>$46 Undefined</extracomment>
        <translation>$46 Undefiniert</translation>
    </message>
    <message>
        <source>15203</source>
        <extracomment>$47 Undefined</extracomment>
        <translation>$47 Undefiniert</translation>
    </message>
    <message>
        <source>15204</source>
        <extracomment>$48 Undefined</extracomment>
        <translation>$48 Undefiniert</translation>
    </message>
    <message>
        <source>15205</source>
        <extracomment>$49 Undefined</extracomment>
        <translation>$49 Undefiniert</translation>
    </message>
    <message>
        <source>15206</source>
        <extracomment>$4A Undefined</extracomment>
        <translation>$4A Undefiniert</translation>
    </message>
    <message>
        <source>15207</source>
        <extracomment>$4B Undefined</extracomment>
        <translation>$4B Undefiniert</translation>
    </message>
    <message>
        <source>15208</source>
        <extracomment>$4C Undefined</extracomment>
        <translation>$4C Undefiniert</translation>
    </message>
    <message>
        <source>15209</source>
        <extracomment>$4D Undefined</extracomment>
        <translation>$4D Undefiniert</translation>
    </message>
    <message>
        <source>15210</source>
        <extracomment>$4E Undefined</extracomment>
        <translation>$4E Undefiniert</translation>
    </message>
    <message>
        <source>15211</source>
        <extracomment>$4F Undefined</extracomment>
        <translation>$4F Undefiniert</translation>
    </message>
    <message>
        <source>15212</source>
        <extracomment>$50 General Purpose 5</extracomment>
        <translation>$50 Mehrzweck 5</translation>
    </message>
    <message>
        <source>15213</source>
        <extracomment>$51 General Purpose 6</extracomment>
        <translation>$51 Mehrzweck 6</translation>
    </message>
    <message>
        <source>15214</source>
        <extracomment>$52 General Purpose 7</extracomment>
        <translation>$52 Mehrzweck 7</translation>
    </message>
    <message>
        <source>15215</source>
        <extracomment>$53 General Purpose 8</extracomment>
        <translation>$53 Mehrzweck 8</translation>
    </message>
    <message>
        <source>15216</source>
        <extracomment>$54 Undefined</extracomment>
        <translation>$54 Undefiniert</translation>
    </message>
    <message>
        <source>15217</source>
        <extracomment>$55 Undefined</extracomment>
        <translation>$55 Undefiniert</translation>
    </message>
    <message>
        <source>15218</source>
        <extracomment>$56 Undefined</extracomment>
        <translation>$56 Undefiniert</translation>
    </message>
    <message>
        <source>15219</source>
        <extracomment>$57 Undefined</extracomment>
        <translation>$57 Undefiniert</translation>
    </message>
    <message>
        <source>15220</source>
        <extracomment>$58 Undefined</extracomment>
        <translation>$58 Undefiniert</translation>
    </message>
    <message>
        <source>15221</source>
        <extracomment>$59 Undefined</extracomment>
        <translation>$59 Undefiniert</translation>
    </message>
    <message>
        <source>15222</source>
        <extracomment>$5A Undefined</extracomment>
        <translation>$5A Undefiniert</translation>
    </message>
    <message>
        <source>15223</source>
        <extracomment>$5B Reverb Depth</extracomment>
        <translation>$5B Hall-Anteil</translation>
    </message>
    <message>
        <source>15224</source>
        <extracomment>$5C Tremolo Depth</extracomment>
        <translation>$5C Tremolo-Anteil</translation>
    </message>
    <message>
        <source>15225</source>
        <extracomment>$5D Chorus Depth</extracomment>
        <translation>$5D Chorus-Anteil</translation>
    </message>
    <message>
        <source>15226</source>
        <extracomment>$5E Celeste Depth</extracomment>
        <translation>$5E Celeste-Anteil</translation>
    </message>
    <message>
        <source>15227</source>
        <extracomment>$5F Phaser Depth</extracomment>
        <translation>$5F Phaser-Anteil</translation>
    </message>
    <message>
        <source>15228</source>
        <extracomment>$60 Data Increment</extracomment>
        <translation>$60 Daten erhöhen</translation>
    </message>
    <message>
        <source>15229</source>
        <extracomment>$61 Data Decrement</extracomment>
        <translation>$61 Daten verringern</translation>
    </message>
    <message>
        <source>15230</source>
        <extracomment>$62 Non-Registered Param LSB</extracomment>
        <translation>$62 NRPN LSB</translation>
    </message>
    <message>
        <source>15231</source>
        <extracomment>$63 Non-Registered Param MSB</extracomment>
        <translation>$63 NRPN MSB</translation>
    </message>
    <message>
        <source>15232</source>
        <extracomment>$64 Registered Param LSB</extracomment>
        <translation>$64 RPN LSB</translation>
    </message>
    <message>
        <source>15233</source>
        <extracomment>$65 Registered Param MSB</extracomment>
        <translation>$65 RPN MSB</translation>
    </message>
    <message>
        <source>15234</source>
        <extracomment>$66 Undefined</extracomment>
        <translation>$66 Undefiniert</translation>
    </message>
    <message>
        <source>15235</source>
        <extracomment>$67 Undefined</extracomment>
        <translation>$67 Undefiniert</translation>
    </message>
    <message>
        <source>15236</source>
        <extracomment>$68 Undefined</extracomment>
        <translation>$68 Undefiniert</translation>
    </message>
    <message>
        <source>15237</source>
        <extracomment>$69 Undefined</extracomment>
        <translation>$69 Undefiniert</translation>
    </message>
    <message>
        <source>15238</source>
        <extracomment>$6A Undefined</extracomment>
        <translation>$6A Undefiniert</translation>
    </message>
    <message>
        <source>15239</source>
        <extracomment>$6B Undefined</extracomment>
        <translation>$6B Undefiniert</translation>
    </message>
    <message>
        <source>15240</source>
        <extracomment>$6C Undefined</extracomment>
        <translation>$6C Undefiniert</translation>
    </message>
    <message>
        <source>15241</source>
        <extracomment>$6D Undefined</extracomment>
        <translation>$6D Undefiniert</translation>
    </message>
    <message>
        <source>15242</source>
        <extracomment>$6E Undefined</extracomment>
        <translation>$6E Undefiniert</translation>
    </message>
    <message>
        <source>15243</source>
        <extracomment>$6F Undefined</extracomment>
        <translation>$6F Undefiniert</translation>
    </message>
    <message>
        <source>15244</source>
        <extracomment>$70 Undefined</extracomment>
        <translation>$70 Undefiniert</translation>
    </message>
    <message>
        <source>15245</source>
        <extracomment>$71 Undefined</extracomment>
        <translation>$71 Undefiniert</translation>
    </message>
    <message>
        <source>15246</source>
        <extracomment>$72 Undefined</extracomment>
        <translation>$72 Undefiniert</translation>
    </message>
    <message>
        <source>15247</source>
        <extracomment>$73 Undefined</extracomment>
        <translation>$73 Undefiniert</translation>
    </message>
    <message>
        <source>15248</source>
        <extracomment>$74 Undefined</extracomment>
        <translation>$74 Undefiniert</translation>
    </message>
    <message>
        <source>15249</source>
        <extracomment>$75 Undefined</extracomment>
        <translation>$75 Undefiniert</translation>
    </message>
    <message>
        <source>15250</source>
        <extracomment>$76 Undefined</extracomment>
        <translation>$76 Undefiniert</translation>
    </message>
    <message>
        <source>15251</source>
        <extracomment>$77 Undefined</extracomment>
        <translation>$77 Undefiniert</translation>
    </message>
    <message>
        <source>15252</source>
        <extracomment>$78 All Sounds Off</extracomment>
        <translation>$78 Alle Klänge aus</translation>
    </message>
    <message>
        <source>15253</source>
        <extracomment>$79 Reset All Controllers</extracomment>
        <translation>$79 Controller zurücksetzen</translation>
    </message>
    <message>
        <source>15254</source>
        <extracomment>$7A Local Control</extracomment>
        <translation>$7A Local Control</translation>
    </message>
    <message>
        <source>15255</source>
        <extracomment>$7B All Notes Off</extracomment>
        <translation>$7B Alle Noten aus</translation>
    </message>
    <message>
        <source>15256</source>
        <extracomment>$7C Omni Off</extracomment>
        <translation>$7C Omni aus</translation>
    </message>
    <message>
        <source>15257</source>
        <extracomment>$7D Omni On</extracomment>
        <translation>$7D Omni ein</translation>
    </message>
    <message>
        <source>15258</source>
        <extracomment>$7E Mono On</extracomment>
        <translation>$7E Mono ein</translation>
    </message>
    <message>
        <source>15259</source>
        <extracomment>$7F Poly On</extracomment>
        <translation>$7F Poly ein</translation>
    </message>
    <message>
        <source>15270</source>
        <extracomment>Decimal Display (Channels)</extracomment>
        <translation>Dezimalanzeige (Kanäle)</translation>
    </message>
    <message>
        <source>15271</source>
        <extracomment>Decimal Display (Event Types)</extracomment>
        <translation>Dezimalanzeige (Event-Typen)</translation>
    </message>
    <message>
        <source>15272</source>
        <extracomment>Decimal Display (Data)</extracomment>
        <translation>Dezimalanzeige (Daten)</translation>
    </message>
    <message>
        <source>15273</source>
        <extracomment>One-Based Numbering (Programs)</extracomment>
        <translation>Zählung ab 1 (Programme)</translation>
    </message>
    <message>
        <source>15274</source>
        <extracomment>One-Based Numbering (Channels)</extracomment>
        <translation>Zählung ab 1 (Kanäle)</translation>
    </message>
    <message>
        <source>15600</source>
        <extracomment>&amp;Find...</extracomment>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>15601</source>
        <extracomment>&amp;Copy</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>15602</source>
        <extracomment>Save &amp;SysEx...</extracomment>
        <translation>&amp;SysEx speichern...</translation>
    </message>
    <message>
        <source>15603</source>
        <extracomment>&amp;Export as MIDI File...</extracomment>
        <translation>Als MIDI-Datei &amp;exportieren...</translation>
    </message>
    <message>
        <source>15604</source>
        <extracomment>Find</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>15605</source>
        <extracomment>Find &amp;what:</extracomment>
        <translation>Suchen &amp;nach:</translation>
    </message>
    <message>
        <source>15606</source>
        <extracomment>Find &amp;Next</extracomment>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>15607</source>
        <extracomment>Find &amp;Previous</extracomment>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>15608</source>
        <extracomment>Close</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>15609</source>
        <extracomment>Not found.</extracomment>
        <translation>Nicht gefunden.</translation>
    </message>
    <message>
        <source>15610</source>
        <extracomment>Went on from the other end of the list.</extracomment>
        <translation>Vom anderen Ende der Liste aus weitergesucht.</translation>
    </message>
    <message>
        <source>15611</source>
        <extracomment>Save SysEx Dump</extracomment>
        <translation>SysEx-Dump speichern</translation>
    </message>
    <message>
        <source>15612</source>
        <extracomment>SysEx Files (*.syx)</extracomment>
        <translation>SysEx-Dateien (*.syx)</translation>
    </message>
    <message>
        <source>15613</source>
        <extracomment>Export as MIDI File</extracomment>
        <translation>Als MIDI-Datei exportieren</translation>
    </message>
    <message>
        <source>15614</source>
        <extracomment>MIDI Files (*.mid)</extracomment>
        <translation>MIDI-Dateien (*.mid)</translation>
    </message>
    <message>
        <source>15615</source>
        <extracomment>%1 could not be saved: %2. Any earlier file of that name is unchanged.</extracomment>
        <translation>%1 konnte nicht gespeichert werden: %2. Eine ältere Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>15616</source>
        <extracomment>the file could not be written in full</extracomment>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>15617</source>
        <extracomment>%1 SysEx dumps are not whole on display and were left out.</extracomment>
        <translation>%1 SysEx-Dumps sind nicht vollständig zu sehen und wurden ausgelassen.</translation>
    </message>
    <message>
        <source>15618</source>
        <extracomment>%1 messages that a MIDI file cannot hold were left out.</extracomment>
        <translation>%1 Meldungen, die eine MIDI-Datei nicht aufnehmen kann, wurden ausgelassen.</translation>
    </message>
    <message>
        <source>15619</source>
        <extracomment>the MIDI file could not be made</extracomment>
        <translation>die MIDI-Datei konnte nicht erstellt werden</translation>
    </message>
</context>
</TS>

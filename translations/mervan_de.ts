<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>About Mervan</source>
        <translation>Über Mervan</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Version 3.0</translation>
    </message>
    <message>
        <source>for windows</source>
        <translation>für Windows</translation>
    </message>
    <message>
        <source>For educational use only.</source>
        <translation>Nur für den Unterricht.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Select to go on-line and check for latest updates.</source>
        <translation>Hier klicken, um online nach der neuesten Version zu suchen.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No web browser could be started to open %1.
Please open that address in a browser yourself.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um %1 zu öffnen.
Bitte öffnen Sie die Adresse selbst in einem Browser.</translation>
    </message>
</context>
<context>
    <name>AnalysisError</name>
    <message>
        <source>There are no values to analyse.</source>
        <translation>Es gibt keine Werte auszuwerten.</translation>
    </message>
    <message>
        <source>The values of &quot;%1&quot; are too large to analyse.</source>
        <translation>Die Werte von „%1“ sind zu groß für die Auswertung.</translation>
    </message>
    <message>
        <source>Not enough memory to analyse this file.</source>
        <translation>Nicht genug Arbeitsspeicher, um diese Datei auszuwerten.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is not a regular file: folders, pipes and devices cannot be analysed.</source>
        <translation>Die Datendatei „%1“ ist keine normale Datei: Ordner, Pipes und Geräte lassen sich nicht auswerten.</translation>
    </message>
    <message>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation>Die Datendatei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation>Die Datendatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a text file of numbers.</source>
        <translation>Die Datei „%1“ ist keine Textdatei mit Zahlen.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; holds no numbers.</source>
        <translation>Die Datendatei „%1“ enthält keine Zahlen.</translation>
    </message>
    <message>
        <source>The counts in the column &quot;%1&quot; add up to 0.</source>
        <translation>Die Häufigkeiten in der Spalte „%1“ ergeben zusammen 0.</translation>
    </message>
    <message>
        <source>Please enter the number of class intervals.</source>
        <translation>Bitte geben Sie die Anzahl der Klassen ein.</translation>
    </message>
    <message>
        <source>Please enter the size of class width.</source>
        <translation>Bitte geben Sie die Klassenbreite ein.</translation>
    </message>
    <message>
        <source>Interval entry must be integer between 1 and 20.</source>
        <translation>Die Anzahl der Klassen muss eine ganze Zahl zwischen 1 und 20 sein.</translation>
    </message>
    <message>
        <source>The class width must be greater than 0.</source>
        <translation>Die Klassenbreite muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>This class width gives more than %1 classes. Please enter a larger class width.</source>
        <translation>Diese Klassenbreite ergibt mehr als %1 Klassen. Bitte geben Sie eine größere Klassenbreite ein.</translation>
    </message>
    <message>
        <source>The class width is too small for values of this size: the class limits cannot be told apart. Please enter a larger class width.</source>
        <translation>Die Klassenbreite ist für Werte dieser Größe zu klein: Die Klassengrenzen lassen sich nicht unterscheiden. Bitte geben Sie eine größere Klassenbreite ein.</translation>
    </message>
    <message>
        <source>The class width is too small for values of this size: the class limits cannot be told apart. Please enter fewer class intervals.</source>
        <translation>Die Klassenbreite ist für Werte dieser Größe zu klein: Die Klassengrenzen lassen sich nicht unterscheiden. Bitte geben Sie weniger Klassen ein.</translation>
    </message>
    <message>
        <source>The class width is too large: the class limits go beyond the largest number. Please enter a smaller class width.</source>
        <translation>Die Klassenbreite ist zu groß: Die Klassengrenzen gehen über die größte Zahl hinaus. Bitte geben Sie eine kleinere Klassenbreite ein.</translation>
    </message>
    <message>
        <source>Centred classes are placed around the mean and have no start of their own. Please leave the start of the first class empty or do not center the data.</source>
        <translation>Zentrierte Klassen liegen um den Mittelwert und haben keinen eigenen Beginn. Bitte lassen Sie den Beginn der ersten Klasse leer oder zentrieren Sie die Daten nicht.</translation>
    </message>
    <message>
        <source>The start of the first class lies above the smallest value, %1. Please enter a start at or below it.</source>
        <translation>Der Beginn der ersten Klasse liegt über dem kleinsten Wert, %1. Bitte geben Sie einen Beginn ein, der höchstens so groß ist.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; would replace the data file. Please give the data file an extension other than &quot;.OUT&quot;.</source>
        <translation>Der Bericht „%1“ würde die Datendatei ersetzen. Bitte geben Sie der Datendatei eine andere Endung als „.OUT“.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; is a link to the data file &quot;%2&quot; and would replace it. Please remove the link.</source>
        <translation>Der Bericht „%1“ ist eine Verknüpfung auf die Datendatei „%2“ und würde sie ersetzen. Bitte entfernen Sie die Verknüpfung.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is a link to &quot;%2&quot;, the place of its own report. Please analyse the file it leads to.</source>
        <translation>Die Datendatei „%1“ ist eine Verknüpfung auf „%2“, den Ort ihres eigenen Berichts. Bitte werten Sie die Datei aus, auf die sie zeigt.</translation>
    </message>
    <message>
        <source>The report file &quot;%1&quot; is read-only and was not replaced. Please make it writable or remove it.</source>
        <translation>Die Berichtsdatei „%1“ ist schreibgeschützt und wurde nicht ersetzt. Bitte machen Sie sie beschreibbar oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>Cannot write the report file &quot;%1&quot;: %2</source>
        <translation>Die Berichtsdatei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the report file &quot;%1&quot;: %2.</source>
        <translation>Die Berichtsdatei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>AnalysisResultsWindow</name>
    <message>
        <source>&amp;Describe picture</source>
        <translation>Bild &amp;beschreiben</translation>
    </message>
    <message>
        <source>Copy a description of the picture to the clipboard.</source>
        <translation>Eine Beschreibung des Bildes in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>Analysis results</source>
        <translation>Ergebnisse der Auswertung</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histogramm</translation>
    </message>
    <message>
        <source>&amp;Box plot</source>
        <translation>&amp;Boxplot</translation>
    </message>
    <message>
        <source>&amp;Q-Q plot</source>
        <translation>&amp;Q-Q-Diagramm</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Box plot of %1</source>
        <translation>Boxplot von %1</translation>
    </message>
    <message>
        <source>Normal Q-Q plot of %1</source>
        <translation>Normal-Q-Q-Diagramm von %1</translation>
    </message>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>die Ergebnisse können nicht in die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>usage: mervan-batch t ALPHA V [--lower|--upper|--two-sided]
       mervan-batch chi ALPHA V [--lower|--upper|--two-sided]
       mervan-batch f ALPHA V1 V2 [--lower|--upper|--two-sided]
       mervan-batch normal P
       mervan-batch normal ALPHA (--lower|--upper|--two-sided) [--mean M --sd S]
       mervan-batch p t [--lower|--upper|--two-sided] VALUE V
       mervan-batch p chi [--lower|--upper|--two-sided] VALUE V
       mervan-batch p f [--lower|--upper|--two-sided] VALUE V1 V2
       mervan-batch p normal Z
       mervan-batch p normal (--lower|--upper|--two-sided) VALUE [--mean M --sd S]
       mervan-batch p t|chi|f|normal --between A B PARAMETERS...
       mervan-batch p binom [--exact|--lower|--upper] K N P
       mervan-batch p binom --between A B N P
       mervan-batch p poisson [--exact|--lower|--upper] K LAMBDA
       mervan-batch p poisson --between A B LAMBDA
       mervan-batch q binom PROB N P
       mervan-batch q poisson PROB LAMBDA
       mervan-batch histogram (--intervals K | --width W) [--no-center]
                [--column NAME|N [--weights NAME|N]] [--delimiter C]
                [--anchor X] [--right-closed] [--scale counts|percent|density]
                [--decimal-comma | --decimal-point] [--picture FILE]
                [--boxplot FILE] [--qq FILE] DATAFILE   (pictures as .png, .svg or .pdf)
With a tail option the probability is a fraction between 0 and 1; without
one, ALPHA is the upper tail and the normal&apos;s P a central percentage.
</source>
        <translation>Aufruf: mervan-batch t ALPHA V [--lower|--upper|--two-sided]
        mervan-batch chi ALPHA V [--lower|--upper|--two-sided]
        mervan-batch f ALPHA V1 V2 [--lower|--upper|--two-sided]
        mervan-batch normal P
        mervan-batch normal ALPHA (--lower|--upper|--two-sided) [--mean M --sd S]
        mervan-batch p t [--lower|--upper|--two-sided] VALUE V
        mervan-batch p chi [--lower|--upper|--two-sided] VALUE V
        mervan-batch p f [--lower|--upper|--two-sided] VALUE V1 V2
        mervan-batch p normal Z
        mervan-batch p normal (--lower|--upper|--two-sided) VALUE [--mean M --sd S]
        mervan-batch p t|chi|f|normal --between A B PARAMETERS...
        mervan-batch p binom [--exact|--lower|--upper] K N P
        mervan-batch p binom --between A B N P
        mervan-batch p poisson [--exact|--lower|--upper] K LAMBDA
        mervan-batch p poisson --between A B LAMBDA
        mervan-batch q binom PROB N P
        mervan-batch q poisson PROB LAMBDA
        mervan-batch histogram (--intervals K | --width W) [--no-center]
                 [--column NAME|N [--weights NAME|N]] [--delimiter C]
                 [--anchor X] [--right-closed] [--scale counts|percent|density]
                 [--decimal-comma | --decimal-point] [--picture FILE]
                 [--boxplot FILE] [--qq FILE] DATAFILE   (Bilder als .png, .svg oder .pdf)
Mit einer Flächenoption ist die Wahrscheinlichkeit ein Anteil zwischen 0 und 1;
ohne sie ist ALPHA die obere Fläche und P der Normalverteilung ein zentraler
Prozentsatz.
</translation>
    </message>
</context>
<context>
    <name>BatchCalculator</name>
    <message>
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
</context>
<context>
    <name>BatchHistogram</name>
    <message>
        <source>The picture &quot;%1&quot; would replace the data file or its report. Please give the picture a name of its own.</source>
        <translation>Das Bild „%1“ würde die Datendatei oder ihren Bericht ersetzen. Bitte geben Sie dem Bild einen eigenen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has commas between digits and no decimal point; give --decimal-comma to read them as decimal signs</source>
        <translation>„%1“ hat Kommas zwischen Ziffern und keinen Dezimalpunkt; geben Sie --decimal-comma an, um sie als Dezimalzeichen zu lesen</translation>
    </message>
    <message>
        <source>Cannot write the picture &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the picture could not be made.</source>
        <translation>Das Bild konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>usage: mervan-batch histogram (--intervals K | --width W) [--no-center]
         [--column NAME|N [--weights NAME|N]] [--delimiter C]
         [--anchor X] [--right-closed] [--scale counts|percent|density]
         [--decimal-comma | --decimal-point] [--picture FILE] [--boxplot FILE]
         [--qq FILE] DATAFILE   (pictures as .png, .svg or .pdf)</source>
        <translation>Aufruf: mervan-batch histogram (--intervals K | --width W) [--no-center]
          [--column NAME|N [--weights NAME|N]] [--delimiter C]
          [--anchor X] [--right-closed] [--scale counts|percent|density]
          [--decimal-comma | --decimal-point] [--picture FILE] [--boxplot FILE]
          [--qq FILE] DATAFILE   (Bilder als .png, .svg oder .pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a list of numbers without columns; leave out --column and --weights</source>
        <translation>„%1“ ist eine Liste von Zahlen ohne Spalten; lassen Sie --column und --weights weg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the columns %2; choose one with --column NAME or --column N</source>
        <translation>„%1“ hat die Spalten %2; wählen Sie eine mit --column NAME oder --column N</translation>
    </message>
    <message>
        <source>the option %1 is given twice</source>
        <translation>die Option %1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>give only one of --decimal-comma and --decimal-point</source>
        <translation>geben Sie nur eine von --decimal-comma und --decimal-point an</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>only one data file can be analysed</source>
        <translation>es kann nur eine Datendatei ausgewertet werden</translation>
    </message>
    <message>
        <source>give either --intervals or --width</source>
        <translation>geben Sie entweder --intervals oder --width an</translation>
    </message>
    <message>
        <source>the data file is missing</source>
        <translation>die Datendatei fehlt</translation>
    </message>
    <message>
        <source>--weights needs --column</source>
        <translation>--weights braucht --column</translation>
    </message>
    <message>
        <source>the delimiter &quot;%1&quot; is not one of &quot;,&quot;, &quot;;&quot;, tab, blank</source>
        <translation>das Trennzeichen „%1“ ist keins von „,“, „;“, tab, blank</translation>
    </message>
    <message>
        <source>the anchor &quot;%1&quot; is not a number</source>
        <translation>der Anfang „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>--anchor places plain classes; give --no-center with it</source>
        <translation>--anchor legt nicht zentrierte Klassen fest; geben Sie --no-center dazu an</translation>
    </message>
    <message>
        <source>the scale &quot;%1&quot; is not counts, percent or density</source>
        <translation>die Skala „%1“ ist nicht counts, percent oder density</translation>
    </message>
    <message>
        <source>this build cannot write pictures (%1)</source>
        <translation>diese Ausgabe des Programms kann keine Bilder schreiben (%1)</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Students t distribution, %1 degrees of freedom:</source>
        <translation>Student-t-Verteilung, %1 Freiheitsgrade:</translation>
    </message>
    <message>
        <source>Chi-squared distribution, %1 degrees of freedom:</source>
        <translation>Chi-Quadrat-Verteilung, %1 Freiheitsgrade:</translation>
    </message>
    <message>
        <source>F distribution, v1 = %1 and v2 = %2:</source>
        <translation>F-Verteilung, v1 = %1 und v2 = %2:</translation>
    </message>
    <message>
        <source>Standard normal distribution:</source>
        <translation>Standardnormalverteilung:</translation>
    </message>
    <message>
        <source>Normal distribution, mean = %1 and sd = %2:</source>
        <translation>Normalverteilung, Mittelwert = %1, Std.-Abw. = %2:</translation>
    </message>
    <message>
        <source>Lower tail, alpha = %1</source>
        <translation>Unterer Rand, Signifikanzniveau alpha = %1</translation>
    </message>
    <message>
        <source>Lower-tail probability</source>
        <translation>Wahrscheinlichkeit am unteren Rand</translation>
    </message>
    <message>
        <source>Two tails, alpha = %1, %2 in each</source>
        <translation>Beide Ränder, alpha = %1, je %2</translation>
    </message>
    <message>
        <source>Probability of the two tails</source>
        <translation>Wahrscheinlichkeit der beiden Ränder</translation>
    </message>
    <message>
        <source>Probability of the two tails: twice the smaller tail</source>
        <translation>Wahrscheinlichkeit beider Ränder: doppelter kleinerer Rand</translation>
    </message>
    <message>
        <source>Probability between two values</source>
        <translation>Wahrscheinlichkeit zwischen zwei Werten</translation>
    </message>
    <message>
        <source>Upper tail, alpha = %1</source>
        <translation>Oberer Rand, Signifikanzniveau alpha = %1</translation>
    </message>
    <message>
        <source>Upper-tail probability</source>
        <translation>Wahrscheinlichkeit am oberen Rand</translation>
    </message>
    <message>
        <source>could not be computed</source>
        <translation>konnte nicht berechnet werden</translation>
    </message>
    <message>
        <source>z = %1 and %2</source>
        <translation>z = %1 und %2</translation>
    </message>
    <message>
        <source>Probability could not be computed.</source>
        <translation>Die Wahrscheinlichkeit konnte nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Critical value could not be computed.</source>
        <translation>Der kritische Wert konnte nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Critical values = %1 and %2</source>
        <translation>Kritische Werte = %1 und %2</translation>
    </message>
    <message>
        <source>Critical value = %1</source>
        <translation>Kritischer Wert = %1</translation>
    </message>
    <message>
        <source>Check: %1</source>
        <translation>Probe: %1</translation>
    </message>
    <message>
        <source>The entry %1 can be read as more than one number. Please type it without thousands separators, with &quot;%2&quot; as the decimal sign.</source>
        <translation>Die Eingabe %1 kann als mehr als eine Zahl gelesen werden. Bitte geben Sie sie ohne Tausendertrennzeichen und mit „%2“ als Dezimalzeichen ein.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <translation>Die Zahl %1 ist zu groß.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter the desired probability in percentage points.</source>
        <translation>Bitte geben Sie die Irrtumswahrscheinlichkeit alpha ein.</translation>
    </message>
    <message>
        <source>Alpha must be between 0.0001 and 0.999999</source>
        <translation>Alpha muss zwischen 0.0001 und 0.999999 liegen</translation>
    </message>
    <message>
        <source>The degrees of freedom must be between 1 and 200.</source>
        <translation>Die Freiheitsgrade müssen zwischen 1 und 200 liegen.</translation>
    </message>
    <message>
        <source>Please enter the degrees of freedom.</source>
        <translation>Bitte geben Sie die Freiheitsgrade ein.</translation>
    </message>
    <message>
        <source>Please enter the numerator degrees of freedom.</source>
        <translation>Bitte geben Sie die Freiheitsgrade des Zählers ein.</translation>
    </message>
    <message>
        <source>Please enter the denominator degrees of freedom.</source>
        <translation>Bitte geben Sie die Freiheitsgrade des Nenners ein.</translation>
    </message>
    <message>
        <source>Please enter the value of the statistic.</source>
        <translation>Bitte geben Sie den Wert der Prüfgröße ein.</translation>
    </message>
    <message>
        <source>Please enter the desired percent probability.</source>
        <translation>Bitte geben Sie die gewünschte Wahrscheinlichkeit in Prozent ein.</translation>
    </message>
    <message>
        <source>The percent probability must be between 0.0001 and 99.9999</source>
        <translation>Die Wahrscheinlichkeit in Prozent muss zwischen 0.0001 und 99.9999 liegen</translation>
    </message>
    <message>
        <source>The value of t must be between -1000000 and 1000000</source>
        <translation>Der Wert von t muss zwischen -1000000 und 1000000 liegen</translation>
    </message>
    <message>
        <source>The value of chi-squared must be between 0 and 1000000</source>
        <translation>Der Wert von Chi-Quadrat muss zwischen 0 und 1000000 liegen</translation>
    </message>
    <message>
        <source>The value of F must be between 0 and 1000000</source>
        <translation>Der Wert von F muss zwischen 0 und 1000000 liegen</translation>
    </message>
    <message>
        <source>The value of z must be between -100 and 100</source>
        <translation>Der Wert von z muss zwischen -100 und 100 liegen</translation>
    </message>
    <message>
        <source>The value must be between -1000000000 and 1000000000</source>
        <translation>Der Wert muss zwischen -1000000000 und 1000000000 liegen</translation>
    </message>
    <message>
        <source>Please enter the mean.</source>
        <translation>Bitte geben Sie den Mittelwert ein.</translation>
    </message>
    <message>
        <source>The mean must be between -1000000 and 1000000</source>
        <translation>Der Mittelwert muss zwischen -1000000 und 1000000 liegen</translation>
    </message>
    <message>
        <source>Please enter the standard deviation.</source>
        <translation>Bitte geben Sie die Standardabweichung ein.</translation>
    </message>
    <message>
        <source>The standard deviation must be between 0.000001 and 1000000</source>
        <translation>Die Standardabweichung muss zwischen 0.000001 und 1000000 liegen</translation>
    </message>
    <message>
        <source>Students t distribution:</source>
        <translation>Student-t-Verteilung:</translation>
    </message>
    <message>
        <source>Chi-squared distribution:</source>
        <translation>Chi-Quadrat-Verteilung:</translation>
    </message>
    <message>
        <source>chi-squared</source>
        <translation>Chi-Quadrat</translation>
    </message>
    <message>
        <source>P(X &gt; chi-squared)</source>
        <translation>P(X &gt; Chi-Quadrat)</translation>
    </message>
    <message>
        <source>F distribution:</source>
        <translation>F-Verteilung:</translation>
    </message>
    <message>
        <source>Normal distribution:</source>
        <translation>Normalverteilung:</translation>
    </message>
    <message>
        <source>Probability from the value %1 = %2</source>
        <translation>Wahrscheinlichkeit zum Wert %1 = %2</translation>
    </message>
    <message>
        <source>Percent between -z and z = %1</source>
        <translation>Prozent zwischen -z und z = %1</translation>
    </message>
    <message>
        <source>Probability from the value %1 = %2 with v1 = %3 and v2 = %4</source>
        <translation>Wahrscheinlichkeit zum Wert %1 = %2 mit v1 = %3 und v2 = %4</translation>
    </message>
    <message>
        <source>and %1 degrees of freedom</source>
        <translation>und %1 Freiheitsgraden</translation>
    </message>
    <message>
        <source>The second value must not be less than the first.</source>
        <translation>Der zweite Wert darf nicht kleiner als der erste sein.</translation>
    </message>
    <message>
        <source>The request needs %1 fields.</source>
        <translation>Die Anfrage braucht %1 Felder.</translation>
    </message>
    <message>
        <source>The area between two values is found from the values, not from alpha.</source>
        <translation>Die Fläche zwischen zwei Werten ergibt sich aus den Werten, nicht aus alpha.</translation>
    </message>
    <message>
        <source>Digits must be from 4 to 10</source>
        <translation>Die Stellenzahl muss von 4 bis 10 reichen</translation>
    </message>
    <message>
        <source>Sorry, unable to compute value.</source>
        <translation>Der Wert kann leider nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Sorry, error in computations.</source>
        <translation>Leider ist bei der Berechnung ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Alpha = %1 with v1 = %2 and v2 = %3</source>
        <translation>Alpha = %1 mit v1 = %2 und v2 = %3</translation>
    </message>
    <message>
        <source>For probable error = %1%</source>
        <translation>Für die mittlere Fläche = %1%</translation>
    </message>
    <message>
        <source>z-value = %1</source>
        <translation>z-Wert = %1</translation>
    </message>
    <message>
        <source>For alpha = %1</source>
        <translation>Für alpha = %1</translation>
    </message>
    <message>
        <source>Exception raised in Power function. Solution is incorrect.</source>
        <translation>Fehler in der Potenzfunktion. Das Ergebnis ist falsch.</translation>
    </message>
    <message>
        <source>The probability could not be computed.</source>
        <translation>Die Wahrscheinlichkeit konnte nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Please enter the number of trials n.</source>
        <translation>Bitte geben Sie die Zahl der Versuche n ein.</translation>
    </message>
    <message>
        <source>n must be a whole number from 1 to 1000000</source>
        <translation>n muss eine ganze Zahl von 1 bis 1000000 sein</translation>
    </message>
    <message>
        <source>Please enter the probability of success p.</source>
        <translation>Bitte geben Sie die Erfolgswahrscheinlichkeit p ein.</translation>
    </message>
    <message>
        <source>p must be a number from 0 to 1</source>
        <translation>p muss eine Zahl von 0 bis 1 sein</translation>
    </message>
    <message>
        <source>lambda must be greater than 0 and at most 1000000</source>
        <translation>lambda muss größer als 0 und höchstens 1000000 sein</translation>
    </message>
    <message>
        <source>Please enter the mean lambda.</source>
        <translation>Bitte geben Sie den Mittelwert lambda ein.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to %2</source>
        <translation>%1 muss eine ganze Zahl von 0 bis %2 sein</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 up</source>
        <translation>%1 muss eine ganze Zahl ab 0 sein</translation>
    </message>
    <message>
        <source>P must be a number from 0 to 1</source>
        <translation>P muss eine Zahl von 0 bis 1 sein</translation>
    </message>
    <message>
        <source>P must be at least 0 and less than 1</source>
        <translation>P muss mindestens 0 und kleiner als 1 sein</translation>
    </message>
    <message>
        <source>Please enter the probability P.</source>
        <translation>Bitte geben Sie die Wahrscheinlichkeit P ein.</translation>
    </message>
    <message>
        <source>Please enter the lower value a.</source>
        <translation>Bitte geben Sie den unteren Wert a ein.</translation>
    </message>
    <message>
        <source>Please enter the upper value b.</source>
        <translation>Bitte geben Sie den oberen Wert b ein.</translation>
    </message>
    <message>
        <source>b must not be smaller than a</source>
        <translation>b darf nicht kleiner als a sein</translation>
    </message>
    <message>
        <source>Please enter the value k.</source>
        <translation>Bitte geben Sie den Wert k ein.</translation>
    </message>
    <message>
        <source>Smallest k with P(X &lt;= k) &gt;= %1</source>
        <translation>Kleinstes k mit P(X &lt;= k) &gt;= %1</translation>
    </message>
    <message>
        <source>Normal approximation</source>
        <translation>Normalapproximation</translation>
    </message>
    <message>
        <source>with continuity correction</source>
        <translation>mit Stetigkeitskorrektur</translation>
    </message>
    <message>
        <source>: none (the variance is 0)</source>
        <translation>: keine (die Varianz ist 0)</translation>
    </message>
    <message>
        <source>Binomial distribution:</source>
        <translation>Binomialverteilung:</translation>
    </message>
    <message>
        <source>n = %1 and p = %2</source>
        <translation>n = %1 und p = %2</translation>
    </message>
    <message>
        <source>Poisson distribution:</source>
        <translation>Poisson-Verteilung:</translation>
    </message>
</context>
<context>
    <name>CalculatorDialog</name>
    <message>
        <source>&amp;Critical value from α</source>
        <translation>&amp;Kritischer Wert aus α</translation>
    </message>
    <message>
        <source>&amp;Probability from a value</source>
        <translation>&amp;Wahrscheinlichkeit aus einem Wert</translation>
    </message>
    <message>
        <source>Central area, between -z and z</source>
        <translation>Mittlere Fläche, zwischen -z und z</translation>
    </message>
    <message>
        <source>Upper tail</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Lower tail</source>
        <translation>Unterer Rand</translation>
    </message>
    <message>
        <source>Two tails</source>
        <translation>Beide Ränder</translation>
    </message>
    <message>
        <source>Between two values</source>
        <translation>Zwischen zwei Werten</translation>
    </message>
    <message>
        <source>A&amp;rea:</source>
        <translation>&amp;Fläche:</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%1 significant</source>
        <translation>%1 signifikante Stellen</translation>
    </message>
    <message>
        <source>Di&amp;gits:</source>
        <translation>&amp;Stellen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;To the value:</source>
        <translation>&amp;Bis zum Wert:</translation>
    </message>
    <message>
        <source>Enter the upper end of the band</source>
        <translation>Geben Sie das obere Ende des Bereichs ein</translation>
    </message>
    <message>
        <source>&amp;Mean:</source>
        <translation>&amp;Mittelwert:</translation>
    </message>
    <message>
        <source>Enter the mean of the normal distribution</source>
        <translation>Geben Sie den Mittelwert der Normalverteilung ein</translation>
    </message>
    <message>
        <source>&amp;Standard deviation:</source>
        <translation>&amp;Standardabweichung:</translation>
    </message>
    <message>
        <source>Enter the standard deviation of the normal distribution</source>
        <translation>Geben Sie die Standardabweichung der Normalverteilung ein</translation>
    </message>
    <message>
        <source>&amp;Alpha, lower-tail probability:</source>
        <translation>&amp;Alpha, Wahrscheinlichkeit am unteren Rand:</translation>
    </message>
    <message>
        <source>&amp;Alpha, upper-tail probability:</source>
        <translation>&amp;Alpha, Wahrscheinlichkeit am oberen Rand:</translation>
    </message>
    <message>
        <source>&amp;Alpha, both tails together:</source>
        <translation>&amp;Alpha, beide Ränder zusammen:</translation>
    </message>
    <message>
        <source>Enter alpha, a probability from 0.0001 to 0.999999</source>
        <translation>Geben Sie Alpha ein, eine Wahrscheinlichkeit von 0.0001 bis 0.999999</translation>
    </message>
    <message>
        <source>&amp;From the value:</source>
        <translation>&amp;Vom Wert:</translation>
    </message>
    <message>
        <source>Enter the lower end of the band</source>
        <translation>Geben Sie das untere Ende des Bereichs ein</translation>
    </message>
    <message>
        <source>V&amp;alue:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>Enter the value to find its probability</source>
        <translation>Geben Sie den Wert ein, dessen Wahrscheinlichkeit gesucht ist</translation>
    </message>
    <message>
        <source>Printing failed: the printer did not start the print job.</source>
        <translation>Drucken fehlgeschlagen: Der Drucker hat den Druckauftrag nicht begonnen.</translation>
    </message>
</context>
<context>
    <name>ChiSquaredDialog</name>
    <message>
        <source>Critical Value for Chi-squared distribution</source>
        <translation>Kritischer Wert der Chi-Quadrat-Verteilung</translation>
    </message>
    <message>
        <source>Probability for Chi-squared distribution</source>
        <translation>Wahrscheinlichkeit der Chi-Quadrat-Verteilung</translation>
    </message>
    <message>
        <source>X² Distribution</source>
        <translation>X²-Verteilung</translation>
    </message>
    <message>
        <source>&amp;Alpha, Upper-tail percentage points:</source>
        <translation>&amp;Alpha, oberer Rand in Prozent:</translation>
    </message>
    <message>
        <source>Enter upper-tail in percentage points</source>
        <translation>Geben Sie den oberen Rand in Prozent ein</translation>
    </message>
    <message>
        <source>&amp;V, Degrees of freedom: </source>
        <translation>&amp;V, Freiheitsgrade: </translation>
    </message>
    <message>
        <source>Enter number of redundant measurements</source>
        <translation>Geben Sie die Zahl der Freiheitsgrade ein</translation>
    </message>
    <message>
        <source>V&amp;alue of chi-squared:</source>
        <translation>&amp;Wert von Chi-Quadrat:</translation>
    </message>
    <message>
        <source>Enter the value of chi-squared to find its upper-tail probability</source>
        <translation>Geben Sie den Wert von Chi-Quadrat ein, um die Wahrscheinlichkeit am oberen Rand zu finden</translation>
    </message>
</context>
<context>
    <name>ColumnChooser</name>
    <message>
        <source>First line names the &amp;columns</source>
        <translation>Erste Zeile enthält die &amp;Spaltennamen</translation>
    </message>
    <message>
        <source>First line names the columns</source>
        <translation>Erste Zeile enthält die Spaltennamen</translation>
    </message>
    <message>
        <source>First rows of the data file</source>
        <translation>Erste Zeilen der Datendatei</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>Decimal &amp;sign:</source>
        <translation>&amp;Dezimalzeichen:</translation>
    </message>
    <message>
        <source>C&amp;olumn:</source>
        <translation>Sp&amp;alte:</translation>
    </message>
    <message>
        <source>Counts in col&amp;umn:</source>
        <translation>Häufigkeiten in Spa&amp;lte:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>ColumnProblem</name>
    <message>
        <source>Cannot open the data file %1.</source>
        <translation>Die Datendatei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The data file holds no data.</source>
        <translation>Die Datendatei enthält keine Daten.</translation>
    </message>
    <message>
        <source>The data file has a header line and no data below it.</source>
        <translation>Die Datendatei hat eine Kopfzeile und darunter keine Daten.</translation>
    </message>
    <message>
        <source>Line %1 has 1 field where the file&apos;s columns are %2.</source>
        <translation>Zeile %1 hat 1 Feld, die Datei hat aber %2 Spalten.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the file&apos;s columns are %3.</source>
        <translation>Zeile %1 hat %2 Felder, die Datei hat aber %3 Spalten.</translation>
    </message>
    <message>
        <source>The data file has no column &quot;%1&quot;; its columns are %2.</source>
        <translation>Die Datendatei hat keine Spalte „%1“; ihre Spalten sind %2.</translation>
    </message>
    <message>
        <source>The counts cannot be in the column of the values, &quot;%1&quot;.</source>
        <translation>Die Häufigkeiten können nicht in der Spalte der Werte, „%1“, stehen.</translation>
    </message>
    <message>
        <source>The column &quot;%1&quot; holds no numbers.</source>
        <translation>Die Spalte „%1“ enthält keine Zahlen.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a number.</source>
        <translation>Zeile %1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1, column &quot;%2&quot;: &quot;%3&quot; is not a number.</source>
        <translation>Zeile %1, Spalte „%2“: „%3“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1, column &quot;%2&quot;: &quot;%3&quot; is not a count (a whole number, 0 or more).</source>
        <translation>Zeile %1, Spalte „%2“: „%3“ ist keine Häufigkeit (eine ganze Zahl, 0 oder mehr).</translation>
    </message>
</context>
<context>
    <name>DensityPicture</name>
    <message>
        <source>Student&apos;s t, %1 degrees of freedom</source>
        <translation>Student-t, %1 Freiheitsgrade</translation>
    </message>
    <message>
        <source>Chi-squared, %1 degrees of freedom</source>
        <translation>Chi-Quadrat, %1 Freiheitsgrade</translation>
    </message>
    <message>
        <source>F, %1 and %2 degrees of freedom</source>
        <translation>F, %1 und %2 Freiheitsgrade</translation>
    </message>
    <message>
        <source>Normal, mean %1 and sd %2</source>
        <translation>Normal, Mittelwert %1 und Standardabweichung %2</translation>
    </message>
    <message>
        <source>Standard normal</source>
        <translation>Standardnormalverteilung</translation>
    </message>
    <message>
        <source>Shaded: %1</source>
        <translation>Schattiert: %1</translation>
    </message>
</context>
<context>
    <name>DensityText</name>
    <message>
        <source>the central area between %1 and %2</source>
        <translation>die mittlere Fläche zwischen %1 und %2</translation>
    </message>
    <message>
        <source>the upper tail above %1</source>
        <translation>der obere Rand oberhalb von %1</translation>
    </message>
    <message>
        <source>the lower tail below %1</source>
        <translation>der untere Rand unterhalb von %1</translation>
    </message>
    <message>
        <source>both tails, below %1 and above %2</source>
        <translation>beide Ränder, unterhalb von %1 und oberhalb von %2</translation>
    </message>
    <message>
        <source>the area between %1 and %2</source>
        <translation>die Fläche zwischen %1 und %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1: the density, marked at %2. Shaded: %3, %4.</source>
        <translation>%1: die Dichte, markiert bei %2. Schattiert: %3, %4.</translation>
    </message>
    <message>
        <source>the bar of %1 is coloured</source>
        <translation>der Balken von %1 ist eingefärbt</translation>
    </message>
    <message>
        <source>the bars from %1 to %2 are coloured</source>
        <translation>die Balken von %1 bis %2 sind eingefärbt</translation>
    </message>
    <message>
        <source>%1: the probabilities as bars; %2. %3.</source>
        <translation>%1: die Wahrscheinlichkeiten als Balken; %2. %3.</translation>
    </message>
    <message>
        <source>The normal approximation&apos;s density is drawn over the bars.</source>
        <translation>Die Dichte der Normalapproximation ist über die Balken gezeichnet.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DiscreteDialog</name>
    <message>
        <source>&amp;n (trials):</source>
        <translation>&amp;n (Versuche):</translation>
    </message>
    <message>
        <source>The number of trials, 1 to 1000000</source>
        <translation>Die Zahl der Versuche, 1 bis 1000000</translation>
    </message>
    <message>
        <source>&amp;p (success):</source>
        <translation>&amp;p (Erfolg):</translation>
    </message>
    <message>
        <source>The probability of success in one trial, 0 to 1</source>
        <translation>Die Erfolgswahrscheinlichkeit in einem Versuch, 0 bis 1</translation>
    </message>
    <message>
        <source>&amp;λ (mean):</source>
        <translation>&amp;λ (Mittelwert):</translation>
    </message>
    <message>
        <source>The mean number of events, above 0 and at most 1000000</source>
        <translation>Die mittlere Zahl der Ereignisse, über 0 und höchstens 1000000</translation>
    </message>
    <message>
        <source>P(X = k)</source>
        <translation>P(X = k)</translation>
    </message>
    <message>
        <source>P(X ≤ k)</source>
        <translation>P(X ≤ k)</translation>
    </message>
    <message>
        <source>P(X ≥ k)</source>
        <translation>P(X ≥ k)</translation>
    </message>
    <message>
        <source>P(a ≤ X ≤ b)</source>
        <translation>P(a ≤ X ≤ b)</translation>
    </message>
    <message>
        <source>Smallest k with P(X ≤ k) ≥ P</source>
        <translation>Kleinstes k mit P(X ≤ k) ≥ P</translation>
    </message>
    <message>
        <source>&amp;Question:</source>
        <translation>&amp;Frage:</translation>
    </message>
    <message>
        <source>&amp;k:</source>
        <translation>&amp;k:</translation>
    </message>
    <message>
        <source>A whole number of successes</source>
        <translation>Eine ganze Zahl von Erfolgen</translation>
    </message>
    <message>
        <source>&amp;a:</source>
        <translation>&amp;a:</translation>
    </message>
    <message>
        <source>The smallest value of the range</source>
        <translation>Der kleinste Wert des Bereichs</translation>
    </message>
    <message>
        <source>&amp;b:</source>
        <translation>&amp;b:</translation>
    </message>
    <message>
        <source>The largest value of the range</source>
        <translation>Der größte Wert des Bereichs</translation>
    </message>
    <message>
        <source>P&amp;robability:</source>
        <translation>&amp;Wahrscheinlichkeit:</translation>
    </message>
    <message>
        <source>The cumulative probability P, 0 to 1</source>
        <translation>Die kumulierte Wahrscheinlichkeit P, 0 bis 1</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%1 significant</source>
        <translation>%1 signifikante Stellen</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Stellen:</translation>
    </message>
    <message>
        <source>Draw the normal appro&amp;ximation</source>
        <translation>Normal&amp;approximation zeichnen</translation>
    </message>
    <message>
        <source>Printing failed: the printer did not start the print job.</source>
        <translation>Drucken fehlgeschlagen: Der Drucker hat den Druckauftrag nicht begonnen.</translation>
    </message>
    <message>
        <source>Binomial Distribution</source>
        <translation>Binomialverteilung</translation>
    </message>
    <message>
        <source>Poisson Distribution</source>
        <translation>Poisson-Verteilung</translation>
    </message>
</context>
<context>
    <name>DiscretePicture</name>
    <message>
        <source>the asked values</source>
        <translation>die gefragten Werte</translation>
    </message>
    <message>
        <source>Binomial, n = %1, p = %2</source>
        <translation>Binomial, n = %1, p = %2</translation>
    </message>
    <message>
        <source>Poisson, λ = %1</source>
        <translation>Poisson, λ = %1</translation>
    </message>
</context>
<context>
    <name>EditorCommands</name>
    <message>
        <source>Font name</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Eine neue Datei anlegen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Eine vorhandene Datei öffnen</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close current window</source>
        <translation>Das aktuelle Fenster schließen</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>Datei schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the current file</source>
        <translation>Die aktuelle Datei speichern</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Save current file under different name.</source>
        <translation>Die aktuelle Datei unter einem anderen Namen speichern.</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message>
        <source>Set printer settings</source>
        <translation>Druckereinstellungen festlegen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print current file.</source>
        <translation>Die aktuelle Datei drucken.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Leave Ombrelay</source>
        <translation>Ombrelay beenden</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Find a text string</source>
        <translation>Einen Text suchen</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find the next occurrence</source>
        <translation>Das nächste Vorkommen suchen</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>Find the previous occurrence</source>
        <translation>Das vorige Vorkommen suchen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Replace one text string for another</source>
        <translation>Einen Text durch einen anderen ersetzen</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>Select left justification.</source>
        <translation>Linksbündig ausrichten.</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>Select right justification.</source>
        <translation>Rechtsbündig ausrichten.</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>Select center justification.</source>
        <translation>Zentriert ausrichten.</translation>
    </message>
    <message>
        <source>Center Text</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schriftart</translation>
    </message>
    <message>
        <source>Select the font.</source>
        <translation>Die Schriftart wählen.</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Schriftart wählen</translation>
    </message>
    <message>
        <source>&amp;Word Wrap</source>
        <translation>Zeilen&amp;umbruch</translation>
    </message>
    <message>
        <source>Toggle wordwrap on or off.</source>
        <translation>Zeilenumbruch ein- oder ausschalten.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut text to clipboard</source>
        <translation>Text in die Zwischenablage ausschneiden</translation>
    </message>
    <message>
        <source>Cut Text</source>
        <translation>Text ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy selected text</source>
        <translation>Markierten Text kopieren</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste text from clipboard</source>
        <translation>Text aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Paste Text</source>
        <translation>Text einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete selected text</source>
        <translation>Markierten Text löschen</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Text löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Select all text</source>
        <translation>Den ganzen Text markieren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Create, open, close and print a file.</source>
        <translation>Eine Datei anlegen, öffnen, schließen und drucken.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>File editting commands.</source>
        <translation>Befehle zum Bearbeiten der Datei.</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find and/or replace text</source>
        <translation>Text suchen und/oder ersetzen</translation>
    </message>
    <message>
        <source>&amp;Character</source>
        <translation>&amp;Zeichen</translation>
    </message>
    <message>
        <source>Select text alignment, font, and toggle wordwrap.</source>
        <translation>Ausrichtung und Schriftart wählen, Zeilenumbruch umschalten.</translation>
    </message>
</context>
<context>
    <name>EditorPrint</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Es ist zurzeit kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>The printer could not start the print job.</source>
        <translation>Der Drucker konnte den Druckauftrag nicht beginnen.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>The printer could not finish the print job.</source>
        <translation>Der Drucker konnte den Druckauftrag nicht abschließen.</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>No text to search</source>
        <translation>Kein Text zum Durchsuchen</translation>
    </message>
    <message>
        <source>No text to search/replace.</source>
        <translation>Kein Text zum Suchen/Ersetzen.</translation>
    </message>
    <message>
        <source>Passed the end of the text; went on from the top.</source>
        <translation>Ende des Textes erreicht; die Suche ging am Anfang weiter.</translation>
    </message>
    <message>
        <source>String &quot;%1&quot; was not found.</source>
        <translation>Der Text „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Passed the top of the text; went on from the bottom.</source>
        <translation>Anfang des Textes erreicht; die Suche ging am Ende weiter.</translation>
    </message>
    <message>
        <source>1 occurrence replaced.</source>
        <translation>1 Vorkommen ersetzt.</translation>
    </message>
    <message>
        <source>%1 occurrences replaced.</source>
        <translation>%1 Vorkommen ersetzt.</translation>
    </message>
    <message>
        <source>Cannot print in a font of %1 points: no line fits on a page. Choose another font size.</source>
        <translation>Drucken in einer Schrift von %1 Punkt ist nicht möglich: Keine Zeile passt auf eine Seite. Wählen Sie eine andere Schriftgröße.</translation>
    </message>
    <message>
        <source>Another text is being printed. Try again when it has finished.</source>
        <translation>Ein anderer Text wird gerade gedruckt. Versuchen Sie es erneut, wenn er fertig ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8 text. Which encoding shall it be read with?
Yes: UTF-8, keeping each byte that is not UTF-8 as it is
No: Windows-1252</source>
        <translation>„%1“ ist kein gültiger UTF-8-Text. Mit welcher Kodierung soll er gelesen werden?
Ja: UTF-8, jedes Byte, das kein UTF-8 ist, bleibt, wie es ist
Nein: Windows-1252</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program since it was read. Save your text over it? Its text becomes the backup &quot;%2&quot;.</source>
        <translation>Die Datei „%1“ wurde seit dem Lesen von einem anderen Programm geändert. Ihren Text darüber speichern? Ihr Inhalt wird zur Sicherungskopie „%2“.</translation>
    </message>
    <message>
        <source>%1
Save &quot;%2&quot; without a backup?</source>
        <translation>%1
„%2“ ohne Sicherungskopie speichern?</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; now holds characters that Windows-1252 cannot store, so it was saved as UTF-8.</source>
        <translation>„%1“ enthält jetzt Zeichen, die Windows-1252 nicht speichern kann, und wurde daher als UTF-8 gespeichert.</translation>
    </message>
    <message>
        <source>Save file as...</source>
        <translation>Datei speichern unter...</translation>
    </message>
    <message>
        <source>Data files (*.dat)</source>
        <translation>Datendateien (*.dat)</translation>
    </message>
    <message>
        <source>Output files (*.out)</source>
        <translation>Ausgabedateien (*.out)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save changes to %1? </source>
        <translation>Änderungen an %1 speichern? </translation>
    </message>
    <message>
        <source>The window is printing. Close it when printing has finished.</source>
        <translation>Das Fenster druckt gerade. Schließen Sie es, wenn der Druck fertig ist.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was deleted or moved by another program. Your text is kept; Save writes the file again.</source>
        <translation>Die Datei „%1“ wurde von einem anderen Programm gelöscht oder verschoben. Ihr Text bleibt erhalten; Speichern schreibt die Datei neu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Yes: Reload it (your unsaved changes are lost)
No: Keep yours</source>
        <translation>Die Datei „%1“ wurde von einem anderen Programm geändert.
Ja: Neu laden (Ihre ungespeicherten Änderungen gehen verloren)
Nein: Ihre Fassung behalten</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Yes: Reload it
No: Keep yours</source>
        <translation>Die Datei „%1“ wurde von einem anderen Programm geändert.
Ja: Neu laden
Nein: Ihre Fassung behalten</translation>
    </message>
</context>
<context>
    <name>FDistributionDialog</name>
    <message>
        <source>Critical Values for F distribution</source>
        <translation>Kritische Werte der F-Verteilung</translation>
    </message>
    <message>
        <source>Probability for F distribution</source>
        <translation>Wahrscheinlichkeit der F-Verteilung</translation>
    </message>
    <message>
        <source>F Distribution</source>
        <translation>F-Verteilung</translation>
    </message>
    <message>
        <source>Enter number of redundant measurements</source>
        <translation>Geben Sie die Zahl der Freiheitsgrade ein</translation>
    </message>
    <message>
        <source>&amp;Alpha, Upper-tail percentage points:</source>
        <translation>&amp;Alpha, oberer Rand in Prozent:</translation>
    </message>
    <message>
        <source>Enter upper-tail in percentage points</source>
        <translation>Geben Sie den oberen Rand in Prozent ein</translation>
    </message>
    <message>
        <source>&amp;Numerator degrees of freedom: </source>
        <translation>Freiheitsgrade im &amp;Zähler: </translation>
    </message>
    <message>
        <source>&amp;Denominator degrees of freedom: </source>
        <translation>Freiheitsgrade im &amp;Nenner: </translation>
    </message>
    <message>
        <source>V&amp;alue of F:</source>
        <translation>&amp;Wert von F:</translation>
    </message>
    <message>
        <source>Enter the value of F to find its upper-tail probability</source>
        <translation>Geben Sie den Wert von F ein, um die Wahrscheinlichkeit am oberen Rand zu finden</translation>
    </message>
</context>
<context>
    <name>FilePlace</name>
    <message>
        <source>it is a link to the directory &quot;%1&quot;.</source>
        <translation>Es ist eine Verknüpfung auf den Ordner „%1“.</translation>
    </message>
    <message>
        <source>it is a directory, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>it is a link to the named pipe (FIFO) &quot;%1&quot;.</source>
        <translation>Es ist eine Verknüpfung auf die benannte Pipe (FIFO) „%1“.</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file.</source>
        <translation>Es ist eine benannte Pipe (FIFO), keine Datei.</translation>
    </message>
    <message>
        <source>it is a link to the device &quot;%1&quot;.</source>
        <translation>Es ist eine Verknüpfung auf das Gerät „%1“.</translation>
    </message>
    <message>
        <source>it is a device, not a file.</source>
        <translation>Es ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>it is a link to the socket &quot;%1&quot;.</source>
        <translation>Es ist eine Verknüpfung auf den Socket „%1“.</translation>
    </message>
    <message>
        <source>it is a socket, not a file.</source>
        <translation>Es ist ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>it is a link to &quot;%1&quot;, which is not a regular file.</source>
        <translation>Es ist eine Verknüpfung auf „%1“, und das ist keine normale Datei.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>Es ist keine normale Datei.</translation>
    </message>
    <message>
        <source>it is a link to the read-only file &quot;%1&quot;, which was not replaced. Please make it writable or remove the link.</source>
        <translation>Es ist eine Verknüpfung auf die schreibgeschützte Datei „%1“, die nicht ersetzt wurde. Bitte machen Sie sie beschreibbar oder entfernen Sie die Verknüpfung.</translation>
    </message>
    <message>
        <source>it is read-only and was not replaced. Please make it writable or remove it.</source>
        <translation>Sie ist schreibgeschützt und wurde nicht ersetzt. Bitte machen Sie sie beschreibbar oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is read-only; no file can be written there.</source>
        <translation>Der Ordner „%1“ ist schreibgeschützt; dort kann keine Datei geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Goodness</name>
    <message>
        <source>No goodness-of-fit test: there are no classes.</source>
        <translation>Kein Anpassungstest: Es gibt keine Klassen.</translation>
    </message>
    <message>
        <source>No goodness-of-fit test: the data have no spread.</source>
        <translation>Kein Anpassungstest: Die Daten streuen nicht.</translation>
    </message>
    <message>
        <source>No goodness-of-fit test: it needs at least 4 classes (degrees of freedom = classes - 3).</source>
        <translation>Kein Anpassungstest: Er braucht mindestens 4 Klassen (Freiheitsgrade = Klassen - 3).</translation>
    </message>
    <message>
        <source>Goodness of Fit to the Normal Curve</source>
        <translation>Anpassung an die Normalverteilung</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>(the first and last classes take the tails of the curve)</source>
        <translation>(die erste und die letzte Klasse nehmen die Ränder der Kurve auf)</translation>
    </message>
    <message>
        <source>Chi-squared = %1 with %2 degrees of freedom,</source>
        <translation>Chi-Quadrat = %1 mit %2 Freiheitsgraden,</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>nicht berechnet</translation>
    </message>
    <message>
        <source>Note: %1 of %2 expected counts are below 5; P is then only approximate.</source>
        <translation>Hinweis: %1 von %2 erwarteten Häufigkeiten liegen unter 5; P ist dann nur näherungsweise richtig.</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>%1 Help</source>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>text before the first topic</source>
        <translation>Text vor dem ersten Thema</translation>
    </message>
    <message>
        <source>@help must come once, before the topics</source>
        <translation>@help muss genau einmal vor den Themen stehen</translation>
    </message>
    <message>
        <source>a topic needs a context number above 0</source>
        <translation>ein Thema braucht eine Kontextnummer über 0</translation>
    </message>
    <message>
        <source>topic %1 has no title</source>
        <translation>Thema %1 hat keinen Titel</translation>
    </message>
    <message>
        <source>topic %1 comes twice</source>
        <translation>Thema %1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>keywords before the first topic</source>
        <translation>Stichwörter vor dem ersten Thema</translation>
    </message>
    <message>
        <source>unknown line %1</source>
        <translation>unbekannte Zeile %1</translation>
    </message>
    <message>
        <source>no topics</source>
        <translation>keine Themen</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Contents and index</source>
        <translation>Inhalt und Index</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Type the first letters of a word</source>
        <translation>Geben Sie die ersten Buchstaben eines Wortes ein</translation>
    </message>
    <message>
        <source>&amp;Type the word you are looking for:</source>
        <translation>&amp;Geben Sie das gesuchte Wort ein:</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>I&amp;nhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Topic &amp;number:</source>
        <translation>Themen&amp;nummer:</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;.
%2</source>
        <translation>Die Hilfedatei „%1“ kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Topic not found&lt;/h2&gt;&lt;p&gt;This help file has no topic with the number %1. Choose a topic from the contents or the index.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Thema nicht gefunden&lt;/h2&gt;&lt;p&gt;Diese Hilfedatei hat kein Thema mit der Nummer %1. Wählen Sie ein Thema aus dem Inhalt oder dem Index.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: no web browser could be started.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es konnte kein Webbrowser gestartet werden.</translation>
    </message>
</context>
<context>
    <name>Histogram</name>
    <message>
        <source>The file has commas between digits and no decimal point.
Read the commas as decimal signs?</source>
        <translation>Die Datei hat Kommas zwischen Ziffern und keinen Dezimalpunkt.
Die Kommas als Dezimalzeichen lesen?</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>HistogramDialog</name>
    <message>
        <source>Histogram data</source>
        <translation>Histogrammdaten</translation>
    </message>
    <message>
        <source>Number of Intervals Entry</source>
        <translation>Eingabe der Klassenzahl</translation>
    </message>
    <message>
        <source>Check to center data</source>
        <translation>Ankreuzen, um die Daten zu zentrieren</translation>
    </message>
    <message>
        <source>Center data around arithmetic mean.</source>
        <translation>Die Daten um das arithmetische Mittel zentrieren.</translation>
    </message>
    <message>
        <source>Decimal comma</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <source>Read a comma between two digits as a decimal sign.</source>
        <translation>Ein Komma zwischen zwei Ziffern als Dezimalzeichen lesen.</translation>
    </message>
    <message>
        <source>Number of Intervals:</source>
        <translation>Anzahl der Klassen:</translation>
    </message>
    <message>
        <source>Enter number of intervals for histogram</source>
        <translation>Geben Sie die Anzahl der Klassen des Histogramms ein</translation>
    </message>
    <message>
        <source>Size of class width:</source>
        <translation>Klassenbreite:</translation>
    </message>
    <message>
        <source>Enter the classwidth or number of class intervals.</source>
        <translation>Geben Sie die Klassenbreite oder die Anzahl der Klassen ein.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>Left: a value on a class bound counts in the upper class. Right: in the lower class.</source>
        <translation>Links: Ein Wert auf einer Klassengrenze zählt zur oberen Klasse. Rechts: zur unteren Klasse.</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>Häufigkeiten</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>The histogram&apos;s bars and normal curve as counts, percent of all values, or density.</source>
        <translation>Die Balken und die Normalkurve des Histogramms als Häufigkeiten, Prozent aller Werte oder Dichte.</translation>
    </message>
    <message>
        <source>Centred classes start where the mean places them; uncheck centring to choose the start.</source>
        <translation>Zentrierte Klassen beginnen dort, wo der Mittelwert sie hinlegt; schalten Sie das Zentrieren aus, um den Anfang zu wählen.</translation>
    </message>
    <message>
        <source>Leave empty to place the classes automatically.</source>
        <translation>Leer lassen, um die Klassen automatisch zu legen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Start of &amp;first class:</source>
        <translation>Beginn der &amp;ersten Klasse:</translation>
    </message>
    <message>
        <source>Class closed at &amp;the:</source>
        <translation>Klasse geschlossen &amp;am:</translation>
    </message>
    <message>
        <source>&amp;Y axis:</source>
        <translation>&amp;Y-Achse:</translation>
    </message>
    <message>
        <source>Open Data File</source>
        <translation>Datendatei öffnen</translation>
    </message>
    <message>
        <source>Data files (*.dat)</source>
        <translation>Datendateien (*.dat)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Output files(*.out)</source>
        <translation>Ausgabedateien (*.out)</translation>
    </message>
    <message>
        <source>Suggested: %1 (Sturges), %2 (Scott), %3 (Freedman-Diaconis)</source>
        <translation>Vorschlag: %1 (Sturges), %2 (Scott), %3 (Freedman-Diaconis)</translation>
    </message>
    <message>
        <source>Number of Intervals</source>
        <translation>Anzahl der Klassen</translation>
    </message>
    <message>
        <source>Size of class width</source>
        <translation>Klassenbreite</translation>
    </message>
    <message>
        <source>The start of the first class is not a number.</source>
        <translation>Der Beginn der ersten Klasse ist keine Zahl.</translation>
    </message>
    <message>
        <source>Spreadsheet exports (*.csv *.tsv)</source>
        <translation>Tabellenexporte (*.csv *.tsv)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>HistogramPicture</name>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>Häufigkeiten</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>normal curve</source>
        <translation>Normalkurve</translation>
    </message>
    <message>
        <source>n = %1   mean = %2   standard deviation = %3</source>
        <translation>n = %1   Mittelwert = %2   Standardabweichung = %3</translation>
    </message>
    <message>
        <source>n = %1   mean = %2   s.d. = %3</source>
        <translation>n = %1   Mittelwert = %2   s = %3</translation>
    </message>
    <message>
        <source>class bounds</source>
        <translation>Klassengrenzen</translation>
    </message>
    <message>
        <source>Histogram of %1</source>
        <translation>Histogramm von %1</translation>
    </message>
    <message>
        <source>Histogram of %1 in %2</source>
        <translation>Histogramm von %1 in %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Editor windows</source>
        <translation>Editorfenster</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>The encoding the next Save writes</source>
        <translation>Die Kodierung, die das nächste Speichern schreibt</translation>
    </message>
    <message>
        <source>How lines end: the next Save writes every line so</source>
        <translation>Zeilenenden: Das nächste Speichern schreibt jede Zeile so</translation>
    </message>
    <message>
        <source>%1 (mixed)</source>
        <translation>%1 (gemischt)</translation>
    </message>
    <message>
        <source>Cannot find the file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Data files (*.dat)</source>
        <translation>Datendateien (*.dat)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Output files (*.out)</source>
        <translation>Ausgabedateien (*.out)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new edit window.</source>
        <translation>Ein neues Editorfenster öffnen.</translation>
    </message>
    <message>
        <source>Create a new file of data</source>
        <translation>Eine neue Datendatei anlegen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing file into an edit window.</source>
        <translation>Eine vorhandene Datei in einem Editorfenster öffnen.</translation>
    </message>
    <message>
        <source>Open an existing file.</source>
        <translation>Eine vorhandene Datei öffnen.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Leave Ombrelay.</source>
        <translation>Ombrelay beenden.</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Tile edit windows</source>
        <translation>Editorfenster nebeneinander anordnen</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>Have open edit windows cascade.</source>
        <translation>Die offenen Editorfenster überlappend anordnen.</translation>
    </message>
    <message>
        <source>&amp;Arrange icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange reduced window icons.</source>
        <translation>Die Symbole verkleinerter Fenster anordnen.</translation>
    </message>
    <message>
        <source>&amp;Histogram data</source>
        <translation>&amp;Histogrammdaten</translation>
    </message>
    <message>
        <source>Histogram data</source>
        <translation>Histogrammdaten</translation>
    </message>
    <message>
        <source>&amp;Normal distribution</source>
        <translation>&amp;Normalverteilung</translation>
    </message>
    <message>
        <source>Compute critical value for probable error</source>
        <translation>Kritischen Wert der Normalverteilung berechnen</translation>
    </message>
    <message>
        <source>&amp;Chi-squared distribution</source>
        <translation>&amp;Chi-Quadrat-Verteilung</translation>
    </message>
    <message>
        <source>Compute critical value for chi² distribution</source>
        <translation>Kritischen Wert der Chi²-Verteilung berechnen</translation>
    </message>
    <message>
        <source>&amp;t distribution</source>
        <translation>&amp;t-Verteilung</translation>
    </message>
    <message>
        <source>Compute critical value for t distribution</source>
        <translation>Kritischen Wert der t-Verteilung berechnen</translation>
    </message>
    <message>
        <source>&amp;F distribution</source>
        <translation>&amp;F-Verteilung</translation>
    </message>
    <message>
        <source>Compute critical value for F distribution</source>
        <translation>Kritischen Wert der F-Verteilung berechnen</translation>
    </message>
    <message>
        <source>&amp;Binomial distribution</source>
        <translation>&amp;Binomialverteilung</translation>
    </message>
    <message>
        <source>Compute binomial probabilities</source>
        <translation>Binomialwahrscheinlichkeiten berechnen</translation>
    </message>
    <message>
        <source>&amp;Poisson distribution</source>
        <translation>&amp;Poisson-Verteilung</translation>
    </message>
    <message>
        <source>Compute Poisson probabilities</source>
        <translation>Poisson-Wahrscheinlichkeiten berechnen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Mervan</translation>
    </message>
    <message>
        <source>Read about the program, its version, and copyright.</source>
        <translation>Über das Programm, seine Version und das Urheberrecht lesen.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Get help on this program.</source>
        <translation>Hilfe zu diesem Programm.</translation>
    </message>
    <message>
        <source>Get help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Create, open, close, print files.</source>
        <translation>Dateien anlegen, öffnen, schließen und drucken.</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>Various fundamental survey computations.</source>
        <translation>Grundlegende statistische Berechnungen.</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Select, tile, cascade and arrange edit windows.</source>
        <translation>Editorfenster wählen und anordnen.</translation>
    </message>
    <message>
        <source>Read about the software or get help.</source>
        <translation>Über das Programm lesen oder Hilfe holen.</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Open a file opened or saved lately.</source>
        <translation>Eine kürzlich geöffnete oder gespeicherte Datei öffnen.</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists. It has been removed from the list of recent files.</source>
        <translation>Die Datei „%1“ existiert nicht mehr. Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Enlarge or reduce the text and the pictures.</source>
        <translation>Text und Bilder vergrößern oder verkleinern.</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Enlarge the text and the pictures.</source>
        <translation>Text und Bilder vergrößern.</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Reduce the text and the pictures.</source>
        <translation>Text und Bilder verkleinern.</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Show the text and the pictures at their normal size.</source>
        <translation>Text und Bilder in normaler Größe zeigen.</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>Spreadsheet exports (*.csv *.tsv)</source>
        <translation>Tabellenexporte (*.csv *.tsv)</translation>
    </message>
</context>
<context>
    <name>MervanApplication</name>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genug Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>An unexpected error stopped the command.</source>
        <translation>Ein unerwarteter Fehler hat den Befehl abgebrochen.</translation>
    </message>
</context>
<context>
    <name>NormalDialog</name>
    <message>
        <source>Normal Distribution</source>
        <translation>Normalverteilung</translation>
    </message>
    <message>
        <source>Percent probability:</source>
        <translation>Wahrscheinlichkeit in Prozent:</translation>
    </message>
    <message>
        <source>Enter the desired percent  probability</source>
        <translation>Geben Sie die gewünschte Wahrscheinlichkeit in Prozent ein</translation>
    </message>
    <message>
        <source>Value of z:</source>
        <translation>Wert von z:</translation>
    </message>
    <message>
        <source>Enter z to find the percent probability between -z and z</source>
        <translation>Geben Sie z ein, um die Wahrscheinlichkeit in Prozent zwischen -z und z zu finden</translation>
    </message>
</context>
<context>
    <name>NumberError</name>
    <message>
        <source>Integer</source>
        <translation>Ganze Zahl</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>The number %1 is too large: numbers must lie between -%2 and%3.</source>
        <translation>Die Zahl %1 ist zu groß: Zahlen müssen zwischen -%2 und%3 liegen.</translation>
    </message>
    <message>
        <source>Unknown error occurred during read</source>
        <translation>Beim Lesen ist ein unbekannter Fehler aufgetreten</translation>
    </message>
    <message>
        <source>%1 expected in read</source>
        <translation>%1 beim Lesen erwartet</translation>
    </message>
    <message>
        <source>Processing Line : </source>
        <translation>Gelesene Zeile: </translation>
    </message>
    <message>
        <source>No line read in file</source>
        <translation>Keine Zeile in der Datei gelesen</translation>
    </message>
    <message>
        <source>Please enter one number only.</source>
        <translation>Bitte geben Sie nur eine Zahl ein.</translation>
    </message>
</context>
<context>
    <name>OutputViewer</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>View and print output files</source>
        <translation>Ausgabedateien ansehen und drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close file viewing.</source>
        <translation>Die Dateiansicht schließen.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>Dokument drucken</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the report to the clipboard.</source>
        <translation>Den Bericht in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save a copy of the report (Ctrl+S).</source>
        <translation>Eine Kopie des Berichts speichern (Strg+S).</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Bericht speichern unter</translation>
    </message>
    <message>
        <source>Output files (*.out *.OUT)</source>
        <translation>Ausgabedateien (*.out *.OUT)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot save the report &quot;%1&quot;: %2</source>
        <translation>Der Bericht „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>The printer could not start printing &quot;%1&quot;.</source>
        <translation>Der Drucker konnte den Druck von „%1“ nicht beginnen.</translation>
    </message>
    <message>
        <source>Printing &quot;%1&quot; failed.</source>
        <translation>Das Drucken von „%1“ ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>PicturePanel</name>
    <message>
        <source>Print p&amp;icture...</source>
        <translation>Bild &amp;drucken...</translation>
    </message>
    <message>
        <source>Print the picture.</source>
        <translation>Das Bild drucken.</translation>
    </message>
    <message>
        <source>Cop&amp;y picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard.</source>
        <translation>Das Bild in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>Sa&amp;ve picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Save the picture as PNG, SVG or PDF (Ctrl+S).</source>
        <translation>Das Bild als PNG, SVG oder PDF speichern (Strg+S).</translation>
    </message>
    <message>
        <source>Image sent to default printer.</source>
        <translation>Das Bild wurde an den Standarddrucker gesendet.</translation>
    </message>
    <message>
        <source>Image written to %1.</source>
        <translation>Das Bild wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Sorry, error writing to printer.</source>
        <translation>Fehler beim Schreiben auf den Drucker.</translation>
    </message>
    <message>
        <source>Image is copied to clipboard.</source>
        <translation>Das Bild ist in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot save the picture &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>1 value</source>
        <translation>1 Wert</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 Werte</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 bis %2: %3</translation>
    </message>
    <message>
        <source>Histogram of %1 in %2 classes: %3.</source>
        <translation>Histogramm von %1 in %2 Klassen: %3.</translation>
    </message>
    <message>
        <source>The bars&apos; heights are percent of the values.</source>
        <translation>Die Höhen der Balken sind Prozent der Werte.</translation>
    </message>
    <message>
        <source>The bars&apos; heights are densities.</source>
        <translation>Die Höhen der Balken sind Dichten.</translation>
    </message>
    <message>
        <source>Normal curve with mean %1 and standard deviation %2.</source>
        <translation>Normalkurve mit Mittelwert %1 und Standardabweichung %2.</translation>
    </message>
    <message>
        <source>No normal curve: the values do not vary.</source>
        <translation>Keine Normalkurve: Die Werte streuen nicht.</translation>
    </message>
    <message>
        <source>Box plot of %1: lower whisker %2, first quartile %3, median %4, third quartile %5, upper whisker %6.</source>
        <translation>Boxplot von %1: unterer Whisker %2, erstes Quartil %3, Median %4, drittes Quartil %5, oberer Whisker %6.</translation>
    </message>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2-mal)</translation>
    </message>
    <message>
        <source>No values beyond the whiskers.</source>
        <translation>Keine Werte jenseits der Whisker.</translation>
    </message>
    <message>
        <source>Beyond the whiskers: %1.</source>
        <translation>Jenseits der Whisker: %1.</translation>
    </message>
    <message>
        <source>Normal Q-Q plot of %1: no values.</source>
        <translation>Normal-Q-Q-Diagramm von %1: keine Werte.</translation>
    </message>
    <message>
        <source>Normal Q-Q plot of %1: %2 points of the sorted values against the normal quantiles, from the value %3 at quantile %4 to the value %5 at quantile %6. The line through the quartiles has intercept %7 and slope %8.</source>
        <translation>Normal-Q-Q-Diagramm von %1: %2 Punkte der sortierten Werte gegen die Quantile der Normalverteilung, vom Wert %3 beim Quantil %4 bis zum Wert %5 beim Quantil %6. Die Gerade durch die Quartile hat den Achsenabschnitt %7 und die Steigung %8.</translation>
    </message>
    <message>
        <source>There is no picture to describe.</source>
        <translation>Es gibt kein Bild zu beschreiben.</translation>
    </message>
    <message>
        <source>The description of the picture is copied to clipboard.</source>
        <translation>Die Beschreibung des Bildes ist in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>&amp;Describe picture</source>
        <translation>Bild &amp;beschreiben</translation>
    </message>
    <message>
        <source>Copy a description of the picture to the clipboard.</source>
        <translation>Eine Beschreibung des Bildes in die Zwischenablage kopieren.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot print to the file &quot;%1&quot;: %2</source>
        <translation>In die Datei „%1“ kann nicht gedruckt werden: %2</translation>
    </message>
</context>
<context>
    <name>QQPicture</name>
    <message>
        <source>normal quantiles</source>
        <translation>Quantile der Normalverteilung</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Histogram</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>(one * for every %1 values)</source>
        <translation>(ein * für je %1 Werte)</translation>
    </message>
    <message>
        <source>Mode = none (no value occurs more than once)</source>
        <translation>Modus = keiner (kein Wert kommt mehr als einmal vor)</translation>
    </message>
    <message>
        <source>Mode = %1 (%2 values tie, each %3 times)</source>
        <translation>Modus = %1 (%2 Werte gleichauf, je %3-mal)</translation>
    </message>
    <message>
        <source>Mode = %1</source>
        <translation>Modus = %1</translation>
    </message>
    <message>
        <source>Q1 = %1, Q3 = %2 (R&apos;s quantile type 7)</source>
        <translation>Q1 = %1, Q3 = %2 (Quantile nach R, Typ 7)</translation>
    </message>
    <message>
        <source>Interquartile range Q3 - Q1 = %1</source>
        <translation>Interquartilsabstand Q3 - Q1 = %1</translation>
    </message>
    <message>
        <source>Skewness (sample estimate G1)</source>
        <translation>Schiefe (Stichprobenschätzer G1)</translation>
    </message>
    <message>
        <source>none (needs 3 values, not all equal)</source>
        <translation>keine (braucht 3 Werte, nicht alle gleich)</translation>
    </message>
    <message>
        <source>Excess kurtosis (sample estimate G2)</source>
        <translation>Exzess (Stichprobenschätzer G2)</translation>
    </message>
    <message>
        <source>none (needs 4 values, not all equal)</source>
        <translation>keiner (braucht 4 Werte, nicht alle gleich)</translation>
    </message>
    <message>
        <source>Five-number summary: %1, %2, %3, %4, %5</source>
        <translation>Fünf-Punkte-Zusammenfassung: %1, %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>Random Error Distribution</source>
        <translation>Verteilung der Zufallsfehler</translation>
    </message>
    <message>
        <source>Data Analysis</source>
        <translation>Datenauswertung</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; of %2</source>
        <translation>Spalte „%1“ von %2</translation>
    </message>
    <message>
        <source>Number of data elements: </source>
        <translation>Anzahl der Werte: </translation>
    </message>
    <message>
        <source>Tokens left out (not numbers): </source>
        <translation>Ausgelassene Einträge (keine Zahlen): </translation>
    </message>
    <message>
        <source>Minimum data = </source>
        <translation>Kleinster Wert = </translation>
    </message>
    <message>
        <source>Maximum data = </source>
        <translation>  Größter Wert = </translation>
    </message>
    <message>
        <source>       Range = </source>
        <translation>    Spannweite = </translation>
    </message>
    <message>
        <source>Arithmetic mean = </source>
        <translation>Arithmetisches Mittel = </translation>
    </message>
    <message>
        <source>Standard Error in the mean </source>
        <translation>Standardfehler des Mittelwerts </translation>
    </message>
    <message>
        <source>Summation of Residuals Squared = </source>
        <translation>Summe der quadrierten Residuen = </translation>
    </message>
    <message>
        <source>Median = </source>
        <translation>Median = </translation>
    </message>
    <message>
        <source>Data, Residuals, and Normal Distribution Curve Point</source>
        <translation>Daten, Residuen und Punkte der Normalverteilungskurve</translation>
    </message>
    <message>
        <source>Data Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Residuum</translation>
    </message>
    <message>
        <source>Histogram Information</source>
        <translation>Angaben zum Histogramm</translation>
    </message>
    <message>
        <source>Selected Class Interval: </source>
        <translation>Gewählte Klassenbreite: </translation>
    </message>
    <message>
        <source>Number of classes: </source>
        <translation>Anzahl der Klassen: </translation>
    </message>
    <message>
        <source> (centred on the mean)</source>
        <translation> (um den Mittelwert zentriert)</translation>
    </message>
    <message>
        <source>Lower Value</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <source>Upper Value</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <source>Class bounds anchored at %1</source>
        <translation>Klassengrenzen ab %1</translation>
    </message>
    <message>
        <source>Classes closed at the right: (lower, upper]</source>
        <translation>Klassen rechts geschlossen: (unten, oben]</translation>
    </message>
    <message>
        <source>Missing values left out: </source>
        <translation>Ausgelassene fehlende Werte: </translation>
    </message>
</context>
<context>
    <name>ResultsDialog</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>The report of the computation</source>
        <translation>Der Bericht der Berechnung</translation>
    </message>
    <message>
        <source>Picture of the distribution</source>
        <translation>Bild der Verteilung</translation>
    </message>
    <message>
        <source>Computation Resuts</source>
        <translation>Ergebnisse der Berechnung</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Return to data entry screen</source>
        <translation>Zurück zur Dateneingabe</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Send screen to printer</source>
        <translation>Die Anzeige drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Leave screen</source>
        <translation>Die Anzeige schließen</translation>
    </message>
    <message>
        <source>Clip&amp;board</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <source>Copy screen to clipboard</source>
        <translation>Die Anzeige in die Zwischenablage kopieren</translation>
    </message>
</context>
<context>
    <name>SampleNotes</name>
    <message>
        <source>1 token that is not a number was left out of &quot;%1&quot;</source>
        <translation>1 Eintrag, der keine Zahl ist, wurde in „%1“ ausgelassen</translation>
    </message>
    <message>
        <source>%1 tokens that are not numbers were left out of &quot;%2&quot;</source>
        <translation>%1 Einträge, die keine Zahlen sind, wurden in „%2“ ausgelassen</translation>
    </message>
    <message>
        <source>; the first %1:</source>
        <translation>; die ersten %1:</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot;</source>
        <translation>Zeile %1: „%2“</translation>
    </message>
</context>
<context>
    <name>TDistributionDialog</name>
    <message>
        <source>Critical Values for t distribution</source>
        <translation>Kritische Werte der t-Verteilung</translation>
    </message>
    <message>
        <source>Probability for t distribution</source>
        <translation>Wahrscheinlichkeit der t-Verteilung</translation>
    </message>
    <message>
        <source>Students t Distribution</source>
        <translation>Student-t-Verteilung</translation>
    </message>
    <message>
        <source>&amp;Alpha, Upper-tail percentage points:</source>
        <translation>&amp;Alpha, oberer Rand in Prozent:</translation>
    </message>
    <message>
        <source>Enter upper-tail in percentage points</source>
        <translation>Geben Sie den oberen Rand in Prozent ein</translation>
    </message>
    <message>
        <source>&amp;V, Degrees of freedom: </source>
        <translation>&amp;V, Freiheitsgrade: </translation>
    </message>
    <message>
        <source>Enter number of redundant measurements</source>
        <translation>Geben Sie die Zahl der Freiheitsgrade ein</translation>
    </message>
    <message>
        <source>V&amp;alue of t:</source>
        <translation>&amp;Wert von t:</translation>
    </message>
    <message>
        <source>Enter the value of t to find its upper-tail probability</source>
        <translation>Geben Sie den Wert von t ein, um die Wahrscheinlichkeit am oberen Rand zu finden</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>UTF-8 with BOM</source>
        <translation>UTF-8 mit BOM</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Der Text ist zu groß für den Editor</translation>
    </message>
    <message>
        <source>The previous version could not be kept as &quot;%1&quot;: the folder &quot;%2&quot; does not let new files be made.</source>
        <translation>Die vorige Fassung konnte nicht als „%1“ aufbewahrt werden: Im Ordner „%2“ dürfen keine neuen Dateien angelegt werden.</translation>
    </message>
    <message>
        <source>The previous version could not be kept as &quot;%1&quot;. %2</source>
        <translation>Die vorige Fassung konnte nicht als „%1“ aufbewahrt werden. %2</translation>
    </message>
    <message>
        <source> The previous version is in &quot;%1&quot;.</source>
        <translation> Die vorige Fassung liegt in „%1“.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; for the previous version is taken by a folder or a special file. Rename or remove it, then save again.</source>
        <translation>Der Name „%1“ für die vorige Fassung ist von einem Ordner oder einer Sonderdatei belegt. Benennen Sie sie um oder entfernen Sie sie und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a socket or a disk device.</source>
        <translation>Es ist keine Datei, sondern eine Pipe, ein Socket oder ein Laufwerk.</translation>
    </message>
    <message>
        <source>The previous version could not be kept as &quot;%1&quot;.</source>
        <translation>Die vorige Fassung konnte nicht als „%1“ aufbewahrt werden.</translation>
    </message>
</context>
<context>
    <name>VectorPicture</name>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Das Bild konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; needs a name ending in .png, .svg or .pdf.</source>
        <translation>Das Bild „%1“ braucht einen Namen, der auf .png, .svg oder .pdf endet.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zu speichern.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>About Mervan</source>
        <translation>Acerca de Mervan</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Versión 3.0</translation>
    </message>
    <message>
        <source>for windows</source>
        <translation>para Windows</translation>
    </message>
    <message>
        <source>For educational use only.</source>
        <translation>Solo para uso educativo.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Select to go on-line and check for latest updates.</source>
        <translation>Pulse para buscar en línea la versión más reciente.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No web browser could be started to open %1.
Please open that address in a browser yourself.</source>
        <translation>No se pudo iniciar ningún navegador para abrir %1.
Abra usted mismo esa dirección en un navegador.</translation>
    </message>
</context>
<context>
    <name>AnalysisError</name>
    <message>
        <source>There are no values to analyse.</source>
        <translation>No hay valores que analizar.</translation>
    </message>
    <message>
        <source>The values of &quot;%1&quot; are too large to analyse.</source>
        <translation>Los valores de «%1» son demasiado grandes para analizarlos.</translation>
    </message>
    <message>
        <source>Not enough memory to analyse this file.</source>
        <translation>No hay memoria suficiente para analizar este archivo.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is not a regular file: folders, pipes and devices cannot be analysed.</source>
        <translation>El archivo de datos «%1» no es un archivo normal: no se pueden analizar carpetas, tuberías ni dispositivos.</translation>
    </message>
    <message>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir el archivo de datos «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation>No se puede leer el archivo de datos «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a text file of numbers.</source>
        <translation>El archivo «%1» no es un archivo de texto con números.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; holds no numbers.</source>
        <translation>El archivo de datos «%1» no contiene números.</translation>
    </message>
    <message>
        <source>The counts in the column &quot;%1&quot; add up to 0.</source>
        <translation>Las frecuencias de la columna «%1» suman 0.</translation>
    </message>
    <message>
        <source>Please enter the number of class intervals.</source>
        <translation>Introduzca el número de intervalos de clase.</translation>
    </message>
    <message>
        <source>Please enter the size of class width.</source>
        <translation>Introduzca la amplitud de clase.</translation>
    </message>
    <message>
        <source>Interval entry must be integer between 1 and 20.</source>
        <translation>El número de intervalos debe ser un entero entre 1 y 20.</translation>
    </message>
    <message>
        <source>The class width must be greater than 0.</source>
        <translation>La amplitud de clase debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>This class width gives more than %1 classes. Please enter a larger class width.</source>
        <translation>Esta amplitud de clase da más de %1 clases. Introduzca una amplitud mayor.</translation>
    </message>
    <message>
        <source>The class width is too small for values of this size: the class limits cannot be told apart. Please enter a larger class width.</source>
        <translation>La amplitud de clase es demasiado pequeña para valores de este tamaño: los límites de clase no se distinguen. Introduzca una amplitud mayor.</translation>
    </message>
    <message>
        <source>The class width is too small for values of this size: the class limits cannot be told apart. Please enter fewer class intervals.</source>
        <translation>La amplitud de clase es demasiado pequeña para valores de este tamaño: los límites de clase no se distinguen. Introduzca menos intervalos de clase.</translation>
    </message>
    <message>
        <source>The class width is too large: the class limits go beyond the largest number. Please enter a smaller class width.</source>
        <translation>La amplitud de clase es demasiado grande: los límites de clase superan el mayor número posible. Introduzca una amplitud menor.</translation>
    </message>
    <message>
        <source>Centred classes are placed around the mean and have no start of their own. Please leave the start of the first class empty or do not center the data.</source>
        <translation>Las clases centradas se sitúan alrededor de la media y no tienen comienzo propio. Deje vacío el comienzo de la primera clase o no centre los datos.</translation>
    </message>
    <message>
        <source>The start of the first class lies above the smallest value, %1. Please enter a start at or below it.</source>
        <translation>El comienzo de la primera clase está por encima del menor valor, %1. Introduzca un comienzo igual o inferior.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; would replace the data file. Please give the data file an extension other than &quot;.OUT&quot;.</source>
        <translation>El informe «%1» sustituiría al archivo de datos. Dé al archivo de datos una extensión distinta de «.OUT».</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; is a link to the data file &quot;%2&quot; and would replace it. Please remove the link.</source>
        <translation>El informe «%1» es un enlace al archivo de datos «%2» y lo sustituiría. Elimine el enlace.</translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is a link to &quot;%2&quot;, the place of its own report. Please analyse the file it leads to.</source>
        <translation>El archivo de datos «%1» es un enlace a «%2», el lugar de su propio informe. Analice el archivo al que apunta.</translation>
    </message>
    <message>
        <source>The report file &quot;%1&quot; is read-only and was not replaced. Please make it writable or remove it.</source>
        <translation>El archivo de informe «%1» es de solo lectura y no se sustituyó. Hágalo modificable o elimínelo.</translation>
    </message>
    <message>
        <source>Cannot write the report file &quot;%1&quot;: %2</source>
        <translation>No se puede escribir el archivo de informe «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write the report file &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir el archivo de informe «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>AnalysisResultsWindow</name>
    <message>
        <source>&amp;Describe picture</source>
        <translation>&amp;Describir imagen</translation>
    </message>
    <message>
        <source>Copy a description of the picture to the clipboard.</source>
        <translation>Copiar una descripción de la imagen al portapapeles.</translation>
    </message>
    <message>
        <source>Analysis results</source>
        <translation>Resultados del análisis</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histograma</translation>
    </message>
    <message>
        <source>&amp;Box plot</source>
        <translation>Diagrama de &amp;caja</translation>
    </message>
    <message>
        <source>&amp;Q-Q plot</source>
        <translation>Gráfico &amp;Q-Q</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Box plot of %1</source>
        <translation>Diagrama de caja de %1</translation>
    </message>
    <message>
        <source>Normal Q-Q plot of %1</source>
        <translation>Gráfico Q-Q normal de %1</translation>
    </message>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>no se pueden escribir los resultados en la salida estándar</translation>
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
        <translation>uso: mervan-batch t ALPHA V [--lower|--upper|--two-sided]
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
              [--boxplot FILE] [--qq FILE] DATAFILE   (imágenes como .png, .svg o .pdf)
Con una opción de área la probabilidad es una fracción entre 0 y 1; sin ella,
ALPHA es la cola superior y la P de la normal un porcentaje central.
</translation>
    </message>
</context>
<context>
    <name>BatchCalculator</name>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
</context>
<context>
    <name>BatchHistogram</name>
    <message>
        <source>The picture &quot;%1&quot; would replace the data file or its report. Please give the picture a name of its own.</source>
        <translation>La imagen «%1» sustituiría al archivo de datos o a su informe. Dé a la imagen un nombre propio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has commas between digits and no decimal point; give --decimal-comma to read them as decimal signs</source>
        <translation>«%1» tiene comas entre cifras y ningún punto decimal; indique --decimal-comma para leerlas como signo decimal</translation>
    </message>
    <message>
        <source>Cannot write the picture &quot;%1&quot;: %2</source>
        <translation>No se puede escribir la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>the picture could not be made.</source>
        <translation>no se pudo crear la imagen.</translation>
    </message>
    <message>
        <source>usage: mervan-batch histogram (--intervals K | --width W) [--no-center]
         [--column NAME|N [--weights NAME|N]] [--delimiter C]
         [--anchor X] [--right-closed] [--scale counts|percent|density]
         [--decimal-comma | --decimal-point] [--picture FILE] [--boxplot FILE]
         [--qq FILE] DATAFILE   (pictures as .png, .svg or .pdf)</source>
        <translation>uso: mervan-batch histogram (--intervals K | --width W) [--no-center]
       [--column NAME|N [--weights NAME|N]] [--delimiter C]
       [--anchor X] [--right-closed] [--scale counts|percent|density]
       [--decimal-comma | --decimal-point] [--picture FILE] [--boxplot FILE]
       [--qq FILE] DATAFILE   (imágenes como .png, .svg o .pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a list of numbers without columns; leave out --column and --weights</source>
        <translation>«%1» es una lista de números sin columnas; omita --column y --weights</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the columns %2; choose one with --column NAME or --column N</source>
        <translation>«%1» tiene las columnas %2; elija una con --column NOMBRE o --column N</translation>
    </message>
    <message>
        <source>the option %1 is given twice</source>
        <translation>la opción %1 aparece dos veces</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>give only one of --decimal-comma and --decimal-point</source>
        <translation>indique solo una de --decimal-comma y --decimal-point</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>only one data file can be analysed</source>
        <translation>solo se puede analizar un archivo de datos</translation>
    </message>
    <message>
        <source>give either --intervals or --width</source>
        <translation>indique --intervals o --width</translation>
    </message>
    <message>
        <source>the data file is missing</source>
        <translation>falta el archivo de datos</translation>
    </message>
    <message>
        <source>--weights needs --column</source>
        <translation>--weights necesita --column</translation>
    </message>
    <message>
        <source>the delimiter &quot;%1&quot; is not one of &quot;,&quot;, &quot;;&quot;, tab, blank</source>
        <translation>el separador «%1» no es ninguno de «,», «;», tab, blank</translation>
    </message>
    <message>
        <source>the anchor &quot;%1&quot; is not a number</source>
        <translation>el comienzo «%1» no es un número</translation>
    </message>
    <message>
        <source>--anchor places plain classes; give --no-center with it</source>
        <translation>--anchor sitúa clases sin centrar; indique también --no-center</translation>
    </message>
    <message>
        <source>the scale &quot;%1&quot; is not counts, percent or density</source>
        <translation>la escala «%1» no es counts, percent ni density</translation>
    </message>
    <message>
        <source>this build cannot write pictures (%1)</source>
        <translation>esta versión del programa no puede escribir imágenes (%1)</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Students t distribution, %1 degrees of freedom:</source>
        <translation>Distribución t de Student, %1 grados de libertad:</translation>
    </message>
    <message>
        <source>Chi-squared distribution, %1 degrees of freedom:</source>
        <translation>Distribución chi cuadrado, %1 grados de libertad:</translation>
    </message>
    <message>
        <source>F distribution, v1 = %1 and v2 = %2:</source>
        <translation>Distribución F, v1 = %1 y v2 = %2:</translation>
    </message>
    <message>
        <source>Standard normal distribution:</source>
        <translation>Distribución normal estándar:</translation>
    </message>
    <message>
        <source>Normal distribution, mean = %1 and sd = %2:</source>
        <translation>Distribución normal, media = %1 y desv. típica = %2:</translation>
    </message>
    <message>
        <source>Lower tail, alpha = %1</source>
        <translation>Cola inferior, alfa = %1</translation>
    </message>
    <message>
        <source>Lower-tail probability</source>
        <translation>Probabilidad de la cola inferior</translation>
    </message>
    <message>
        <source>Two tails, alpha = %1, %2 in each</source>
        <translation>Dos colas, alfa = %1, %2 en cada una</translation>
    </message>
    <message>
        <source>Probability of the two tails</source>
        <translation>Probabilidad de las dos colas</translation>
    </message>
    <message>
        <source>Probability of the two tails: twice the smaller tail</source>
        <translation>Probabilidad de las dos colas: el doble de la cola menor</translation>
    </message>
    <message>
        <source>Probability between two values</source>
        <translation>Probabilidad entre dos valores</translation>
    </message>
    <message>
        <source>Upper tail, alpha = %1</source>
        <translation>Cola superior, alfa = %1</translation>
    </message>
    <message>
        <source>Upper-tail probability</source>
        <translation>Probabilidad de la cola superior</translation>
    </message>
    <message>
        <source>could not be computed</source>
        <translation>no se pudo calcular</translation>
    </message>
    <message>
        <source>z = %1 and %2</source>
        <translation>z = %1 y %2</translation>
    </message>
    <message>
        <source>Probability could not be computed.</source>
        <translation>No se pudo calcular la probabilidad.</translation>
    </message>
    <message>
        <source>Critical value could not be computed.</source>
        <translation>No se pudo calcular el valor crítico.</translation>
    </message>
    <message>
        <source>Critical values = %1 and %2</source>
        <translation>Valores críticos = %1 y %2</translation>
    </message>
    <message>
        <source>Critical value = %1</source>
        <translation>Valor crítico = %1</translation>
    </message>
    <message>
        <source>Check: %1</source>
        <translation>Comprobación: %1</translation>
    </message>
    <message>
        <source>The entry %1 can be read as more than one number. Please type it without thousands separators, with &quot;%2&quot; as the decimal sign.</source>
        <translation>La entrada %1 puede leerse como más de un número. Escríbala sin separadores de miles y con «%2» como signo decimal.</translation>
    </message>
    <message>
        <source>The number %1 is too large.</source>
        <translation>El número %1 es demasiado grande.</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter the desired probability in percentage points.</source>
        <translation>Introduzca el nivel de significación alfa.</translation>
    </message>
    <message>
        <source>Alpha must be between 0.0001 and 0.999999</source>
        <translation>Alfa debe estar entre 0.0001 y 0.999999</translation>
    </message>
    <message>
        <source>The degrees of freedom must be between 1 and 200.</source>
        <translation>Los grados de libertad deben estar entre 1 y 200.</translation>
    </message>
    <message>
        <source>Please enter the degrees of freedom.</source>
        <translation>Introduzca los grados de libertad.</translation>
    </message>
    <message>
        <source>Please enter the numerator degrees of freedom.</source>
        <translation>Introduzca los grados de libertad del numerador.</translation>
    </message>
    <message>
        <source>Please enter the denominator degrees of freedom.</source>
        <translation>Introduzca los grados de libertad del denominador.</translation>
    </message>
    <message>
        <source>Please enter the value of the statistic.</source>
        <translation>Introduzca el valor del estadístico.</translation>
    </message>
    <message>
        <source>Please enter the desired percent probability.</source>
        <translation>Introduzca la probabilidad deseada en porcentaje.</translation>
    </message>
    <message>
        <source>The percent probability must be between 0.0001 and 99.9999</source>
        <translation>La probabilidad en porcentaje debe estar entre 0.0001 y 99.9999</translation>
    </message>
    <message>
        <source>The value of t must be between -1000000 and 1000000</source>
        <translation>El valor de t debe estar entre -1000000 y 1000000</translation>
    </message>
    <message>
        <source>The value of chi-squared must be between 0 and 1000000</source>
        <translation>El valor de chi cuadrado debe estar entre 0 y 1000000</translation>
    </message>
    <message>
        <source>The value of F must be between 0 and 1000000</source>
        <translation>El valor de F debe estar entre 0 y 1000000</translation>
    </message>
    <message>
        <source>The value of z must be between -100 and 100</source>
        <translation>El valor de z debe estar entre -100 y 100</translation>
    </message>
    <message>
        <source>The value must be between -1000000000 and 1000000000</source>
        <translation>El valor debe estar entre -1000000000 y 1000000000</translation>
    </message>
    <message>
        <source>Please enter the mean.</source>
        <translation>Introduzca la media.</translation>
    </message>
    <message>
        <source>The mean must be between -1000000 and 1000000</source>
        <translation>La media debe estar entre -1000000 y 1000000</translation>
    </message>
    <message>
        <source>Please enter the standard deviation.</source>
        <translation>Introduzca la desviación típica.</translation>
    </message>
    <message>
        <source>The standard deviation must be between 0.000001 and 1000000</source>
        <translation>La desviación típica debe estar entre 0.000001 y 1000000</translation>
    </message>
    <message>
        <source>Students t distribution:</source>
        <translation>Distribución t de Student:</translation>
    </message>
    <message>
        <source>Chi-squared distribution:</source>
        <translation>Distribución chi cuadrado:</translation>
    </message>
    <message>
        <source>chi-squared</source>
        <translation>chi cuadrado</translation>
    </message>
    <message>
        <source>P(X &gt; chi-squared)</source>
        <translation>P(X &gt; chi cuadrado)</translation>
    </message>
    <message>
        <source>F distribution:</source>
        <translation>Distribución F:</translation>
    </message>
    <message>
        <source>Normal distribution:</source>
        <translation>Distribución normal:</translation>
    </message>
    <message>
        <source>Probability from the value %1 = %2</source>
        <translation>Probabilidad a partir del valor %1 = %2</translation>
    </message>
    <message>
        <source>Percent between -z and z = %1</source>
        <translation>Porcentaje entre -z y z = %1</translation>
    </message>
    <message>
        <source>Probability from the value %1 = %2 with v1 = %3 and v2 = %4</source>
        <translation>Probabilidad a partir del valor %1 = %2 con v1 = %3 y v2 = %4</translation>
    </message>
    <message>
        <source>and %1 degrees of freedom</source>
        <translation>y %1 grados de libertad</translation>
    </message>
    <message>
        <source>The second value must not be less than the first.</source>
        <translation>El segundo valor no puede ser menor que el primero.</translation>
    </message>
    <message>
        <source>The request needs %1 fields.</source>
        <translation>La solicitud necesita %1 campos.</translation>
    </message>
    <message>
        <source>The area between two values is found from the values, not from alpha.</source>
        <translation>El área entre dos valores se halla a partir de los valores, no de alfa.</translation>
    </message>
    <message>
        <source>Digits must be from 4 to 10</source>
        <translation>Las cifras deben ir de 4 a 10</translation>
    </message>
    <message>
        <source>Sorry, unable to compute value.</source>
        <translation>Lo sentimos, no se puede calcular el valor.</translation>
    </message>
    <message>
        <source>Sorry, error in computations.</source>
        <translation>Lo sentimos, error en los cálculos.</translation>
    </message>
    <message>
        <source>Alpha = %1 with v1 = %2 and v2 = %3</source>
        <translation>Alfa = %1 con v1 = %2 y v2 = %3</translation>
    </message>
    <message>
        <source>For probable error = %1%</source>
        <translation>Para el área central = %1%</translation>
    </message>
    <message>
        <source>z-value = %1</source>
        <translation>valor z = %1</translation>
    </message>
    <message>
        <source>For alpha = %1</source>
        <translation>Para alfa = %1</translation>
    </message>
    <message>
        <source>Exception raised in Power function. Solution is incorrect.</source>
        <translation>Error en la función de potencia. El resultado es incorrecto.</translation>
    </message>
    <message>
        <source>The probability could not be computed.</source>
        <translation>No se pudo calcular la probabilidad.</translation>
    </message>
    <message>
        <source>Please enter the number of trials n.</source>
        <translation>Introduzca el número de ensayos n.</translation>
    </message>
    <message>
        <source>n must be a whole number from 1 to 1000000</source>
        <translation>n debe ser un número entero de 1 a 1000000</translation>
    </message>
    <message>
        <source>Please enter the probability of success p.</source>
        <translation>Introduzca la probabilidad de éxito p.</translation>
    </message>
    <message>
        <source>p must be a number from 0 to 1</source>
        <translation>p debe ser un número de 0 a 1</translation>
    </message>
    <message>
        <source>lambda must be greater than 0 and at most 1000000</source>
        <translation>lambda debe ser mayor que 0 y como mucho 1000000</translation>
    </message>
    <message>
        <source>Please enter the mean lambda.</source>
        <translation>Introduzca la media lambda.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to %2</source>
        <translation>%1 debe ser un número entero de 0 a %2</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 up</source>
        <translation>%1 debe ser un número entero desde 0</translation>
    </message>
    <message>
        <source>P must be a number from 0 to 1</source>
        <translation>P debe ser un número de 0 a 1</translation>
    </message>
    <message>
        <source>P must be at least 0 and less than 1</source>
        <translation>P debe ser al menos 0 y menor que 1</translation>
    </message>
    <message>
        <source>Please enter the probability P.</source>
        <translation>Introduzca la probabilidad P.</translation>
    </message>
    <message>
        <source>Please enter the lower value a.</source>
        <translation>Introduzca el valor inferior a.</translation>
    </message>
    <message>
        <source>Please enter the upper value b.</source>
        <translation>Introduzca el valor superior b.</translation>
    </message>
    <message>
        <source>b must not be smaller than a</source>
        <translation>b no puede ser menor que a</translation>
    </message>
    <message>
        <source>Please enter the value k.</source>
        <translation>Introduzca el valor k.</translation>
    </message>
    <message>
        <source>Smallest k with P(X &lt;= k) &gt;= %1</source>
        <translation>Menor k con P(X &lt;= k) &gt;= %1</translation>
    </message>
    <message>
        <source>Normal approximation</source>
        <translation>Aproximación normal</translation>
    </message>
    <message>
        <source>with continuity correction</source>
        <translation>con corrección por continuidad</translation>
    </message>
    <message>
        <source>: none (the variance is 0)</source>
        <translation>: ninguna (la varianza es 0)</translation>
    </message>
    <message>
        <source>Binomial distribution:</source>
        <translation>Distribución binomial:</translation>
    </message>
    <message>
        <source>n = %1 and p = %2</source>
        <translation>n = %1 y p = %2</translation>
    </message>
    <message>
        <source>Poisson distribution:</source>
        <translation>Distribución de Poisson:</translation>
    </message>
</context>
<context>
    <name>CalculatorDialog</name>
    <message>
        <source>&amp;Critical value from α</source>
        <translation>Valor &amp;crítico a partir de α</translation>
    </message>
    <message>
        <source>&amp;Probability from a value</source>
        <translation>&amp;Probabilidad a partir de un valor</translation>
    </message>
    <message>
        <source>Central area, between -z and z</source>
        <translation>Área central, entre -z y z</translation>
    </message>
    <message>
        <source>Upper tail</source>
        <translation>Cola superior</translation>
    </message>
    <message>
        <source>Lower tail</source>
        <translation>Cola inferior</translation>
    </message>
    <message>
        <source>Two tails</source>
        <translation>Dos colas</translation>
    </message>
    <message>
        <source>Between two values</source>
        <translation>Entre dos valores</translation>
    </message>
    <message>
        <source>A&amp;rea:</source>
        <translation>Á&amp;rea:</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>%1 significant</source>
        <translation>%1 cifras significativas</translation>
    </message>
    <message>
        <source>Di&amp;gits:</source>
        <translation>Ci&amp;fras:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;To the value:</source>
        <translation>&amp;Hasta el valor:</translation>
    </message>
    <message>
        <source>Enter the upper end of the band</source>
        <translation>Introduzca el extremo superior del intervalo</translation>
    </message>
    <message>
        <source>&amp;Mean:</source>
        <translation>&amp;Media:</translation>
    </message>
    <message>
        <source>Enter the mean of the normal distribution</source>
        <translation>Introduzca la media de la distribución normal</translation>
    </message>
    <message>
        <source>&amp;Standard deviation:</source>
        <translation>&amp;Desviación típica:</translation>
    </message>
    <message>
        <source>Enter the standard deviation of the normal distribution</source>
        <translation>Introduzca la desviación típica de la distribución normal</translation>
    </message>
    <message>
        <source>&amp;Alpha, lower-tail probability:</source>
        <translation>&amp;Alfa, probabilidad de la cola inferior:</translation>
    </message>
    <message>
        <source>&amp;Alpha, upper-tail probability:</source>
        <translation>&amp;Alfa, probabilidad de la cola superior:</translation>
    </message>
    <message>
        <source>&amp;Alpha, both tails together:</source>
        <translation>&amp;Alfa, las dos colas juntas:</translation>
    </message>
    <message>
        <source>Enter alpha, a probability from 0.0001 to 0.999999</source>
        <translation>Introduzca alfa, una probabilidad de 0.0001 a 0.999999</translation>
    </message>
    <message>
        <source>&amp;From the value:</source>
        <translation>&amp;Desde el valor:</translation>
    </message>
    <message>
        <source>Enter the lower end of the band</source>
        <translation>Introduzca el extremo inferior del intervalo</translation>
    </message>
    <message>
        <source>V&amp;alue:</source>
        <translation>V&amp;alor:</translation>
    </message>
    <message>
        <source>Enter the value to find its probability</source>
        <translation>Introduzca el valor cuya probabilidad desea hallar</translation>
    </message>
    <message>
        <source>Printing failed: the printer did not start the print job.</source>
        <translation>Error al imprimir: la impresora no inició el trabajo de impresión.</translation>
    </message>
</context>
<context>
    <name>ChiSquaredDialog</name>
    <message>
        <source>Critical Value for Chi-squared distribution</source>
        <translation>Valor crítico de la distribución chi cuadrado</translation>
    </message>
    <message>
        <source>Probability for Chi-squared distribution</source>
        <translation>Probabilidad de la distribución chi cuadrado</translation>
    </message>
    <message>
        <source>X² Distribution</source>
        <translation>Distribución X²</translation>
    </message>
    <message>
        <source>&amp;Alpha, Upper-tail percentage points:</source>
        <translation>&amp;Alfa, cola superior en porcentaje:</translation>
    </message>
    <message>
        <source>Enter upper-tail in percentage points</source>
        <translation>Introduzca la cola superior en porcentaje</translation>
    </message>
    <message>
        <source>&amp;V, Degrees of freedom: </source>
        <translation>&amp;V, grados de libertad: </translation>
    </message>
    <message>
        <source>Enter number of redundant measurements</source>
        <translation>Introduzca el número de grados de libertad</translation>
    </message>
    <message>
        <source>V&amp;alue of chi-squared:</source>
        <translation>V&amp;alor de chi cuadrado:</translation>
    </message>
    <message>
        <source>Enter the value of chi-squared to find its upper-tail probability</source>
        <translation>Introduzca el valor de chi cuadrado para hallar la probabilidad de la cola superior</translation>
    </message>
</context>
<context>
    <name>ColumnChooser</name>
    <message>
        <source>First line names the &amp;columns</source>
        <translation>La primera línea nombra las &amp;columnas</translation>
    </message>
    <message>
        <source>First line names the columns</source>
        <translation>La primera línea nombra las columnas</translation>
    </message>
    <message>
        <source>First rows of the data file</source>
        <translation>Primeras filas del archivo de datos</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>Decimal &amp;sign:</source>
        <translation>Signo &amp;decimal:</translation>
    </message>
    <message>
        <source>C&amp;olumn:</source>
        <translation>C&amp;olumna:</translation>
    </message>
    <message>
        <source>Counts in col&amp;umn:</source>
        <translation>Frecuencias en col&amp;umna:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
</context>
<context>
    <name>ColumnProblem</name>
    <message>
        <source>Cannot open the data file %1.</source>
        <translation>No se puede abrir el archivo de datos %1.</translation>
    </message>
    <message>
        <source>The data file holds no data.</source>
        <translation>El archivo de datos no contiene datos.</translation>
    </message>
    <message>
        <source>The data file has a header line and no data below it.</source>
        <translation>El archivo de datos tiene una línea de cabecera y ningún dato debajo.</translation>
    </message>
    <message>
        <source>Line %1 has 1 field where the file&apos;s columns are %2.</source>
        <translation>La línea %1 tiene 1 campo, pero el archivo tiene %2 columnas.</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the file&apos;s columns are %3.</source>
        <translation>La línea %1 tiene %2 campos, pero el archivo tiene %3 columnas.</translation>
    </message>
    <message>
        <source>The data file has no column &quot;%1&quot;; its columns are %2.</source>
        <translation>El archivo de datos no tiene ninguna columna «%1»; sus columnas son %2.</translation>
    </message>
    <message>
        <source>The counts cannot be in the column of the values, &quot;%1&quot;.</source>
        <translation>Las frecuencias no pueden estar en la columna de los valores, «%1».</translation>
    </message>
    <message>
        <source>The column &quot;%1&quot; holds no numbers.</source>
        <translation>La columna «%1» no contiene números.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a number.</source>
        <translation>Línea %1: «%2» no es un número.</translation>
    </message>
    <message>
        <source>Line %1, column &quot;%2&quot;: &quot;%3&quot; is not a number.</source>
        <translation>Línea %1, columna «%2»: «%3» no es un número.</translation>
    </message>
    <message>
        <source>Line %1, column &quot;%2&quot;: &quot;%3&quot; is not a count (a whole number, 0 or more).</source>
        <translation>Línea %1, columna «%2»: «%3» no es una frecuencia (un número entero, 0 o mayor).</translation>
    </message>
</context>
<context>
    <name>DensityPicture</name>
    <message>
        <source>Student&apos;s t, %1 degrees of freedom</source>
        <translation>t de Student, %1 grados de libertad</translation>
    </message>
    <message>
        <source>Chi-squared, %1 degrees of freedom</source>
        <translation>Chi cuadrado, %1 grados de libertad</translation>
    </message>
    <message>
        <source>F, %1 and %2 degrees of freedom</source>
        <translation>F, %1 y %2 grados de libertad</translation>
    </message>
    <message>
        <source>Normal, mean %1 and sd %2</source>
        <translation>Normal, media %1 y desviación típica %2</translation>
    </message>
    <message>
        <source>Standard normal</source>
        <translation>Normal estándar</translation>
    </message>
    <message>
        <source>Shaded: %1</source>
        <translation>Sombreado: %1</translation>
    </message>
</context>
<context>
    <name>DensityText</name>
    <message>
        <source>the central area between %1 and %2</source>
        <translation>el área central entre %1 y %2</translation>
    </message>
    <message>
        <source>the upper tail above %1</source>
        <translation>la cola superior por encima de %1</translation>
    </message>
    <message>
        <source>the lower tail below %1</source>
        <translation>la cola inferior por debajo de %1</translation>
    </message>
    <message>
        <source>both tails, below %1 and above %2</source>
        <translation>las dos colas, por debajo de %1 y por encima de %2</translation>
    </message>
    <message>
        <source>the area between %1 and %2</source>
        <translation>el área entre %1 y %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1: the density, marked at %2. Shaded: %3, %4.</source>
        <translation>%1: la densidad, marcada en %2. Sombreado: %3, %4.</translation>
    </message>
    <message>
        <source>the bar of %1 is coloured</source>
        <translation>la barra de %1 está coloreada</translation>
    </message>
    <message>
        <source>the bars from %1 to %2 are coloured</source>
        <translation>las barras de %1 a %2 están coloreadas</translation>
    </message>
    <message>
        <source>%1: the probabilities as bars; %2. %3.</source>
        <translation>%1: las probabilidades como barras; %2. %3.</translation>
    </message>
    <message>
        <source>The normal approximation&apos;s density is drawn over the bars.</source>
        <translation>La densidad de la aproximación normal se dibuja sobre las barras.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>DiscreteDialog</name>
    <message>
        <source>&amp;n (trials):</source>
        <translation>&amp;n (ensayos):</translation>
    </message>
    <message>
        <source>The number of trials, 1 to 1000000</source>
        <translation>El número de ensayos, de 1 a 1000000</translation>
    </message>
    <message>
        <source>&amp;p (success):</source>
        <translation>&amp;p (éxito):</translation>
    </message>
    <message>
        <source>The probability of success in one trial, 0 to 1</source>
        <translation>La probabilidad de éxito en un ensayo, de 0 a 1</translation>
    </message>
    <message>
        <source>&amp;λ (mean):</source>
        <translation>&amp;λ (media):</translation>
    </message>
    <message>
        <source>The mean number of events, above 0 and at most 1000000</source>
        <translation>El número medio de sucesos, mayor que 0 y como mucho 1000000</translation>
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
        <translation>Menor k con P(X ≤ k) ≥ P</translation>
    </message>
    <message>
        <source>&amp;Question:</source>
        <translation>&amp;Pregunta:</translation>
    </message>
    <message>
        <source>&amp;k:</source>
        <translation>&amp;k:</translation>
    </message>
    <message>
        <source>A whole number of successes</source>
        <translation>Un número entero de éxitos</translation>
    </message>
    <message>
        <source>&amp;a:</source>
        <translation>&amp;a:</translation>
    </message>
    <message>
        <source>The smallest value of the range</source>
        <translation>El menor valor del intervalo</translation>
    </message>
    <message>
        <source>&amp;b:</source>
        <translation>&amp;b:</translation>
    </message>
    <message>
        <source>The largest value of the range</source>
        <translation>El mayor valor del intervalo</translation>
    </message>
    <message>
        <source>P&amp;robability:</source>
        <translation>P&amp;robabilidad:</translation>
    </message>
    <message>
        <source>The cumulative probability P, 0 to 1</source>
        <translation>La probabilidad acumulada P, de 0 a 1</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>%1 significant</source>
        <translation>%1 cifras significativas</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>C&amp;ifras:</translation>
    </message>
    <message>
        <source>Draw the normal appro&amp;ximation</source>
        <translation>Dibujar la apro&amp;ximación normal</translation>
    </message>
    <message>
        <source>Printing failed: the printer did not start the print job.</source>
        <translation>Error al imprimir: la impresora no inició el trabajo de impresión.</translation>
    </message>
    <message>
        <source>Binomial Distribution</source>
        <translation>Distribución binomial</translation>
    </message>
    <message>
        <source>Poisson Distribution</source>
        <translation>Distribución de Poisson</translation>
    </message>
</context>
<context>
    <name>DiscretePicture</name>
    <message>
        <source>the asked values</source>
        <translation>los valores pedidos</translation>
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
        <translation>Nombre de la fuente</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de la fuente</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Crear un archivo nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Abrir un archivo existente</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abrir un archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close current window</source>
        <translation>Cerrar la ventana actual</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>Cerrar el archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the current file</source>
        <translation>Guardar el archivo actual</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Guardar co&amp;mo</translation>
    </message>
    <message>
        <source>Save current file under different name.</source>
        <translation>Guardar el archivo actual con otro nombre.</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Set printer settings</source>
        <translation>Configurar la impresora</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print current file.</source>
        <translation>Imprimir el archivo actual.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Leave Ombrelay</source>
        <translation>Salir de Ombrelay</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Find a text string</source>
        <translation>Buscar un texto</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Find the next occurrence</source>
        <translation>Buscar la siguiente aparición</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Buscar &amp;anterior</translation>
    </message>
    <message>
        <source>Find the previous occurrence</source>
        <translation>Buscar la aparición anterior</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the change last undone</source>
        <translation>Rehacer el último cambio deshecho</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replace one text string for another</source>
        <translation>Reemplazar un texto por otro</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Izquierda</translation>
    </message>
    <message>
        <source>Select left justification.</source>
        <translation>Alinear a la izquierda.</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Derecha</translation>
    </message>
    <message>
        <source>Select right justification.</source>
        <translation>Alinear a la derecha.</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrado</translation>
    </message>
    <message>
        <source>Select center justification.</source>
        <translation>Centrar el texto.</translation>
    </message>
    <message>
        <source>Center Text</source>
        <translation>Centrar texto</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>Select the font.</source>
        <translation>Elegir la fuente.</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Elegir fuente</translation>
    </message>
    <message>
        <source>&amp;Word Wrap</source>
        <translation>&amp;Ajuste de línea</translation>
    </message>
    <message>
        <source>Toggle wordwrap on or off.</source>
        <translation>Activar o desactivar el ajuste de línea.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut text to clipboard</source>
        <translation>Cortar el texto al portapapeles</translation>
    </message>
    <message>
        <source>Cut Text</source>
        <translation>Cortar texto</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy selected text</source>
        <translation>Copiar el texto seleccionado</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copiar texto</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste text from clipboard</source>
        <translation>Pegar texto del portapapeles</translation>
    </message>
    <message>
        <source>Paste Text</source>
        <translation>Pegar texto</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete selected text</source>
        <translation>Eliminar el texto seleccionado</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Eliminar texto</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>Select all text</source>
        <translation>Seleccionar todo el texto</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Create, open, close and print a file.</source>
        <translation>Crear, abrir, cerrar e imprimir un archivo.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>File editting commands.</source>
        <translation>Órdenes para editar el archivo.</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Find and/or replace text</source>
        <translation>Buscar y/o reemplazar texto</translation>
    </message>
    <message>
        <source>&amp;Character</source>
        <translation>C&amp;arácter</translation>
    </message>
    <message>
        <source>Select text alignment, font, and toggle wordwrap.</source>
        <translation>Elegir la alineación y la fuente, y activar o desactivar el ajuste de línea.</translation>
    </message>
</context>
<context>
    <name>EditorPrint</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
    <message>
        <source>The printer could not start the print job.</source>
        <translation>La impresora no pudo iniciar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>La impresora no pudo empezar una página nueva.</translation>
    </message>
    <message>
        <source>The printer could not finish the print job.</source>
        <translation>La impresora no pudo terminar el trabajo de impresión.</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>No text to search</source>
        <translation>No hay texto en el que buscar</translation>
    </message>
    <message>
        <source>No text to search/replace.</source>
        <translation>No hay texto en el que buscar/reemplazar.</translation>
    </message>
    <message>
        <source>Passed the end of the text; went on from the top.</source>
        <translation>Se llegó al final del texto; se siguió desde el principio.</translation>
    </message>
    <message>
        <source>String &quot;%1&quot; was not found.</source>
        <translation>No se encontró el texto «%1».</translation>
    </message>
    <message>
        <source>Passed the top of the text; went on from the bottom.</source>
        <translation>Se llegó al principio del texto; se siguió desde el final.</translation>
    </message>
    <message>
        <source>1 occurrence replaced.</source>
        <translation>Se reemplazó 1 aparición.</translation>
    </message>
    <message>
        <source>%1 occurrences replaced.</source>
        <translation>Se reemplazaron %1 apariciones.</translation>
    </message>
    <message>
        <source>Cannot print in a font of %1 points: no line fits on a page. Choose another font size.</source>
        <translation>No se puede imprimir con una fuente de %1 puntos: ninguna línea cabe en una página. Elija otro tamaño de fuente.</translation>
    </message>
    <message>
        <source>Another text is being printed. Try again when it has finished.</source>
        <translation>Se está imprimiendo otro texto. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8 text. Which encoding shall it be read with?
Yes: UTF-8, keeping each byte that is not UTF-8 as it is
No: Windows-1252</source>
        <translation>«%1» no es texto UTF-8 válido. ¿Con qué codificación debe leerse?
Sí: UTF-8, conservando tal cual cada byte que no sea UTF-8
No: Windows-1252</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Abriendo %1...</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program since it was read. Save your text over it? Its text becomes the backup &quot;%2&quot;.</source>
        <translation>Otro programa ha modificado el archivo «%1» desde que se leyó. ¿Guardar su texto encima? Su contenido pasa a ser la copia de seguridad «%2».</translation>
    </message>
    <message>
        <source>%1
Save &quot;%2&quot; without a backup?</source>
        <translation>%1
¿Guardar «%2» sin copia de seguridad?</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; now holds characters that Windows-1252 cannot store, so it was saved as UTF-8.</source>
        <translation>«%1» contiene ahora caracteres que Windows-1252 no puede guardar, así que se guardó como UTF-8.</translation>
    </message>
    <message>
        <source>Save file as...</source>
        <translation>Guardar archivo como...</translation>
    </message>
    <message>
        <source>Data files (*.dat)</source>
        <translation>Archivos de datos (*.dat)</translation>
    </message>
    <message>
        <source>Output files (*.out)</source>
        <translation>Archivos de salida (*.out)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save changes to %1? </source>
        <translation>¿Guardar los cambios en %1? </translation>
    </message>
    <message>
        <source>The window is printing. Close it when printing has finished.</source>
        <translation>La ventana está imprimiendo. Ciérrela cuando termine la impresión.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was deleted or moved by another program. Your text is kept; Save writes the file again.</source>
        <translation>Otro programa ha borrado o movido el archivo «%1». Su texto se conserva; Guardar vuelve a escribir el archivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Yes: Reload it (your unsaved changes are lost)
No: Keep yours</source>
        <translation>Otro programa ha modificado el archivo «%1».
Sí: Volver a cargarlo (se pierden los cambios no guardados)
No: Conservar su versión</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed by another program.
Yes: Reload it
No: Keep yours</source>
        <translation>Otro programa ha modificado el archivo «%1».
Sí: Volver a cargarlo
No: Conservar su versión</translation>
    </message>
</context>
<context>
    <name>FDistributionDialog</name>
    <message>
        <source>Critical Values for F distribution</source>
        <translation>Valores críticos de la distribución F</translation>
    </message>
    <message>
        <source>Probability for F distribution</source>
        <translation>Probabilidad de la distribución F</translation>
    </message>
    <message>
        <source>F Distribution</source>
        <translation>Distribución F</translation>
    </message>
    <message>
        <source>Enter number of redundant measurements</source>
        <translation>Introduzca el número de grados de libertad</translation>
    </message>
    <message>
        <source>&amp;Alpha, Upper-tail percentage points:</source>
        <translation>&amp;Alfa, cola superior en porcentaje:</translation>
    </message>
    <message>
        <source>Enter upper-tail in percentage points</source>
        <translation>Introduzca la cola superior en porcentaje</translation>
    </message>
    <message>
        <source>&amp;Numerator degrees of freedom: </source>
        <translation>Grados de libertad del &amp;numerador: </translation>
    </message>
    <message>
        <source>&amp;Denominator degrees of freedom: </source>
        <translation>Grados de libertad del &amp;denominador: </translation>
    </message>
    <message>
        <source>V&amp;alue of F:</source>
        <translation>V&amp;alor de F:</translation>
    </message>
    <message>
        <source>Enter the value of F to find its upper-tail probability</source>
        <translation>Introduzca el valor de F para hallar la probabilidad de la cola superior</translation>
    </message>
</context>
<context>
    <name>FilePlace</name>
    <message>
        <source>it is a link to the directory &quot;%1&quot;.</source>
        <translation>es un enlace a la carpeta «%1».</translation>
    </message>
    <message>
        <source>it is a directory, not a file.</source>
        <translation>es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>it is a link to the named pipe (FIFO) &quot;%1&quot;.</source>
        <translation>es un enlace a la tubería con nombre (FIFO) «%1».</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file.</source>
        <translation>es una tubería con nombre (FIFO), no un archivo.</translation>
    </message>
    <message>
        <source>it is a link to the device &quot;%1&quot;.</source>
        <translation>es un enlace al dispositivo «%1».</translation>
    </message>
    <message>
        <source>it is a device, not a file.</source>
        <translation>es un dispositivo, no un archivo.</translation>
    </message>
    <message>
        <source>it is a link to the socket &quot;%1&quot;.</source>
        <translation>es un enlace al socket «%1».</translation>
    </message>
    <message>
        <source>it is a socket, not a file.</source>
        <translation>es un socket, no un archivo.</translation>
    </message>
    <message>
        <source>it is a link to &quot;%1&quot;, which is not a regular file.</source>
        <translation>es un enlace a «%1», que no es un archivo normal.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>it is a link to the read-only file &quot;%1&quot;, which was not replaced. Please make it writable or remove the link.</source>
        <translation>es un enlace al archivo de solo lectura «%1», que no se sustituyó. Hágalo modificable o elimine el enlace.</translation>
    </message>
    <message>
        <source>it is read-only and was not replaced. Please make it writable or remove it.</source>
        <translation>es de solo lectura y no se sustituyó. Hágalo modificable o elimínelo.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is read-only; no file can be written there.</source>
        <translation>la carpeta «%1» es de solo lectura; no se puede escribir ningún archivo en ella.</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Hacia a&amp;rriba</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Hacia a&amp;bajo</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Goodness</name>
    <message>
        <source>No goodness-of-fit test: there are no classes.</source>
        <translation>Sin prueba de bondad de ajuste: no hay clases.</translation>
    </message>
    <message>
        <source>No goodness-of-fit test: the data have no spread.</source>
        <translation>Sin prueba de bondad de ajuste: los datos no tienen dispersión.</translation>
    </message>
    <message>
        <source>No goodness-of-fit test: it needs at least 4 classes (degrees of freedom = classes - 3).</source>
        <translation>Sin prueba de bondad de ajuste: requiere al menos 4 clases (grados de libertad = clases - 3).</translation>
    </message>
    <message>
        <source>Goodness of Fit to the Normal Curve</source>
        <translation>Bondad del ajuste a la curva normal</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>(the first and last classes take the tails of the curve)</source>
        <translation>(la primera y la última clase recogen las colas de la curva)</translation>
    </message>
    <message>
        <source>Chi-squared = %1 with %2 degrees of freedom,</source>
        <translation>Chi cuadrado = %1 con %2 grados de libertad,</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>no calculado</translation>
    </message>
    <message>
        <source>Note: %1 of %2 expected counts are below 5; P is then only approximate.</source>
        <translation>Nota: %1 de %2 frecuencias esperadas son menores que 5; P es entonces solo aproximado.</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>text before the first topic</source>
        <translation>texto antes del primer tema</translation>
    </message>
    <message>
        <source>@help must come once, before the topics</source>
        <translation>@help debe aparecer una vez, antes de los temas</translation>
    </message>
    <message>
        <source>a topic needs a context number above 0</source>
        <translation>un tema necesita un número de contexto mayor que 0</translation>
    </message>
    <message>
        <source>topic %1 has no title</source>
        <translation>el tema %1 no tiene título</translation>
    </message>
    <message>
        <source>topic %1 comes twice</source>
        <translation>el tema %1 aparece dos veces</translation>
    </message>
    <message>
        <source>keywords before the first topic</source>
        <translation>palabras clave antes del primer tema</translation>
    </message>
    <message>
        <source>unknown line %1</source>
        <translation>línea desconocida %1</translation>
    </message>
    <message>
        <source>no topics</source>
        <translation>no hay temas</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Contents and index</source>
        <translation>Contenido e índice</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tema de ayuda</translation>
    </message>
    <message>
        <source>Type the first letters of a word</source>
        <translation>Escriba las primeras letras de una palabra</translation>
    </message>
    <message>
        <source>&amp;Type the word you are looking for:</source>
        <translation>&amp;Escriba la palabra que busca:</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Índi&amp;ce</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Topic &amp;number:</source>
        <translation>&amp;Número de tema:</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;.
%2</source>
        <translation>No se puede abrir el archivo de ayuda «%1».
%2</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Topic not found&lt;/h2&gt;&lt;p&gt;This help file has no topic with the number %1. Choose a topic from the contents or the index.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tema no encontrado&lt;/h2&gt;&lt;p&gt;Este archivo de ayuda no tiene ningún tema con el número %1. Elija un tema del contenido o del índice.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: no web browser could be started.</source>
        <translation>No se puede abrir «%1»: no se pudo iniciar ningún navegador.</translation>
    </message>
</context>
<context>
    <name>Histogram</name>
    <message>
        <source>The file has commas between digits and no decimal point.
Read the commas as decimal signs?</source>
        <translation>El archivo tiene comas entre cifras y ningún punto decimal.
¿Leer las comas como signo decimal?</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>HistogramDialog</name>
    <message>
        <source>Histogram data</source>
        <translation>Datos del histograma</translation>
    </message>
    <message>
        <source>Number of Intervals Entry</source>
        <translation>Número de intervalos</translation>
    </message>
    <message>
        <source>Check to center data</source>
        <translation>Marque para centrar los datos</translation>
    </message>
    <message>
        <source>Center data around arithmetic mean.</source>
        <translation>Centrar los datos alrededor de la media aritmética.</translation>
    </message>
    <message>
        <source>Decimal comma</source>
        <translation>Coma decimal</translation>
    </message>
    <message>
        <source>Read a comma between two digits as a decimal sign.</source>
        <translation>Leer una coma entre dos cifras como signo decimal.</translation>
    </message>
    <message>
        <source>Number of Intervals:</source>
        <translation>Número de intervalos:</translation>
    </message>
    <message>
        <source>Enter number of intervals for histogram</source>
        <translation>Introduzca el número de intervalos del histograma</translation>
    </message>
    <message>
        <source>Size of class width:</source>
        <translation>Amplitud de clase:</translation>
    </message>
    <message>
        <source>Enter the classwidth or number of class intervals.</source>
        <translation>Introduzca la amplitud de clase o el número de intervalos.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>Left: a value on a class bound counts in the upper class. Right: in the lower class.</source>
        <translation>Izquierda: un valor en un límite de clase cuenta en la clase superior. Derecha: en la inferior.</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>frecuencias</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>porcentaje</translation>
    </message>
    <message>
        <source>density</source>
        <translation>densidad</translation>
    </message>
    <message>
        <source>The histogram&apos;s bars and normal curve as counts, percent of all values, or density.</source>
        <translation>Las barras y la curva normal del histograma como frecuencias, porcentaje de todos los valores o densidad.</translation>
    </message>
    <message>
        <source>Centred classes start where the mean places them; uncheck centring to choose the start.</source>
        <translation>Las clases centradas empiezan donde las sitúa la media; desmarque el centrado para elegir el comienzo.</translation>
    </message>
    <message>
        <source>Leave empty to place the classes automatically.</source>
        <translation>Déjelo vacío para situar las clases automáticamente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Start of &amp;first class:</source>
        <translation>Comienzo de la &amp;primera clase:</translation>
    </message>
    <message>
        <source>Class closed at &amp;the:</source>
        <translation>Clase cerrada a la &amp;:</translation>
    </message>
    <message>
        <source>&amp;Y axis:</source>
        <translation>Eje &amp;Y:</translation>
    </message>
    <message>
        <source>Open Data File</source>
        <translation>Abrir archivo de datos</translation>
    </message>
    <message>
        <source>Data files (*.dat)</source>
        <translation>Archivos de datos (*.dat)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Output files(*.out)</source>
        <translation>Archivos de salida (*.out)</translation>
    </message>
    <message>
        <source>Suggested: %1 (Sturges), %2 (Scott), %3 (Freedman-Diaconis)</source>
        <translation>Sugerencia: %1 (Sturges), %2 (Scott), %3 (Freedman-Diaconis)</translation>
    </message>
    <message>
        <source>Number of Intervals</source>
        <translation>Número de intervalos</translation>
    </message>
    <message>
        <source>Size of class width</source>
        <translation>Amplitud de clase</translation>
    </message>
    <message>
        <source>The start of the first class is not a number.</source>
        <translation>El comienzo de la primera clase no es un número.</translation>
    </message>
    <message>
        <source>Spreadsheet exports (*.csv *.tsv)</source>
        <translation>Exportaciones de hojas de cálculo (*.csv *.tsv)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>HistogramPicture</name>
    <message>
        <source>percent</source>
        <translation>porcentaje</translation>
    </message>
    <message>
        <source>density</source>
        <translation>densidad</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>frecuencias</translation>
    </message>
    <message>
        <source>count</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>normal curve</source>
        <translation>curva normal</translation>
    </message>
    <message>
        <source>n = %1   mean = %2   standard deviation = %3</source>
        <translation>n = %1   media = %2   desviación típica = %3</translation>
    </message>
    <message>
        <source>n = %1   mean = %2   s.d. = %3</source>
        <translation>n = %1   media = %2   d.t. = %3</translation>
    </message>
    <message>
        <source>class bounds</source>
        <translation>límites de clase</translation>
    </message>
    <message>
        <source>Histogram of %1</source>
        <translation>Histograma de %1</translation>
    </message>
    <message>
        <source>Histogram of %1 in %2</source>
        <translation>Histograma de %1 en %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Editor windows</source>
        <translation>Ventanas del editor</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>The encoding the next Save writes</source>
        <translation>La codificación con que escribirá el próximo Guardar</translation>
    </message>
    <message>
        <source>How lines end: the next Save writes every line so</source>
        <translation>Fin de línea: el próximo Guardar escribe así cada línea</translation>
    </message>
    <message>
        <source>%1 (mixed)</source>
        <translation>%1 (mixto)</translation>
    </message>
    <message>
        <source>Cannot find the file &quot;%1&quot;.</source>
        <translation>No se encuentra el archivo «%1».</translation>
    </message>
    <message>
        <source>Data files (*.dat)</source>
        <translation>Archivos de datos (*.dat)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Output files (*.out)</source>
        <translation>Archivos de salida (*.out)</translation>
    </message>
    <message>
        <source>all files (*)</source>
        <translation>todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new edit window.</source>
        <translation>Crear una ventana de edición nueva.</translation>
    </message>
    <message>
        <source>Create a new file of data</source>
        <translation>Crear un archivo de datos nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing file into an edit window.</source>
        <translation>Abrir un archivo existente en una ventana de edición.</translation>
    </message>
    <message>
        <source>Open an existing file.</source>
        <translation>Abrir un archivo existente.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Leave Ombrelay.</source>
        <translation>Salir de Ombrelay.</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>Tile edit windows</source>
        <translation>Organizar las ventanas de edición en mosaico</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Have open edit windows cascade.</source>
        <translation>Organizar en cascada las ventanas de edición abiertas.</translation>
    </message>
    <message>
        <source>&amp;Arrange icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <source>Arrange reduced window icons.</source>
        <translation>Organizar los iconos de las ventanas minimizadas.</translation>
    </message>
    <message>
        <source>&amp;Histogram data</source>
        <translation>&amp;Datos del histograma</translation>
    </message>
    <message>
        <source>Histogram data</source>
        <translation>Datos del histograma</translation>
    </message>
    <message>
        <source>&amp;Normal distribution</source>
        <translation>Distribución &amp;normal</translation>
    </message>
    <message>
        <source>Compute critical value for probable error</source>
        <translation>Calcular el valor crítico de la distribución normal</translation>
    </message>
    <message>
        <source>&amp;Chi-squared distribution</source>
        <translation>Distribución &amp;chi cuadrado</translation>
    </message>
    <message>
        <source>Compute critical value for chi² distribution</source>
        <translation>Calcular el valor crítico de la distribución chi²</translation>
    </message>
    <message>
        <source>&amp;t distribution</source>
        <translation>Distribución &amp;t</translation>
    </message>
    <message>
        <source>Compute critical value for t distribution</source>
        <translation>Calcular el valor crítico de la distribución t</translation>
    </message>
    <message>
        <source>&amp;F distribution</source>
        <translation>Distribución &amp;F</translation>
    </message>
    <message>
        <source>Compute critical value for F distribution</source>
        <translation>Calcular el valor crítico de la distribución F</translation>
    </message>
    <message>
        <source>&amp;Binomial distribution</source>
        <translation>Distribución &amp;binomial</translation>
    </message>
    <message>
        <source>Compute binomial probabilities</source>
        <translation>Calcular probabilidades binomiales</translation>
    </message>
    <message>
        <source>&amp;Poisson distribution</source>
        <translation>Distribución de &amp;Poisson</translation>
    </message>
    <message>
        <source>Compute Poisson probabilities</source>
        <translation>Calcular probabilidades de Poisson</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Mervan</translation>
    </message>
    <message>
        <source>Read about the program, its version, and copyright.</source>
        <translation>Información sobre el programa, su versión y los derechos de autor.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Get help on this program.</source>
        <translation>Obtener ayuda sobre este programa.</translation>
    </message>
    <message>
        <source>Get help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Create, open, close, print files.</source>
        <translation>Crear, abrir, cerrar e imprimir archivos.</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>E&amp;stadística</translation>
    </message>
    <message>
        <source>Various fundamental survey computations.</source>
        <translation>Cálculos estadísticos básicos.</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>Select, tile, cascade and arrange edit windows.</source>
        <translation>Elegir y organizar las ventanas de edición.</translation>
    </message>
    <message>
        <source>Read about the software or get help.</source>
        <translation>Información sobre el programa o ayuda.</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <source>Open a file opened or saved lately.</source>
        <translation>Abrir un archivo abierto o guardado recientemente.</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists. It has been removed from the list of recent files.</source>
        <translation>El archivo «%1» ya no existe. Se ha quitado de la lista de archivos recientes.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Enlarge or reduce the text and the pictures.</source>
        <translation>Ampliar o reducir el texto y las imágenes.</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Enlarge the text and the pictures.</source>
        <translation>Ampliar el texto y las imágenes.</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>Reduce the text and the pictures.</source>
        <translation>Reducir el texto y las imágenes.</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>Show the text and the pictures at their normal size.</source>
        <translation>Mostrar el texto y las imágenes a su tamaño normal.</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>Spreadsheet exports (*.csv *.tsv)</source>
        <translation>Exportaciones de hojas de cálculo (*.csv *.tsv)</translation>
    </message>
</context>
<context>
    <name>MervanApplication</name>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>An unexpected error stopped the command.</source>
        <translation>Un error inesperado detuvo la orden.</translation>
    </message>
</context>
<context>
    <name>NormalDialog</name>
    <message>
        <source>Normal Distribution</source>
        <translation>Distribución normal</translation>
    </message>
    <message>
        <source>Percent probability:</source>
        <translation>Probabilidad en porcentaje:</translation>
    </message>
    <message>
        <source>Enter the desired percent  probability</source>
        <translation>Introduzca la probabilidad deseada en porcentaje</translation>
    </message>
    <message>
        <source>Value of z:</source>
        <translation>Valor de z:</translation>
    </message>
    <message>
        <source>Enter z to find the percent probability between -z and z</source>
        <translation>Introduzca z para hallar la probabilidad en porcentaje entre -z y z</translation>
    </message>
</context>
<context>
    <name>NumberError</name>
    <message>
        <source>Integer</source>
        <translation>Entero</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>The number %1 is too large: numbers must lie between -%2 and%3.</source>
        <translation>El número %1 es demasiado grande: los números deben estar entre -%2 y%3.</translation>
    </message>
    <message>
        <source>Unknown error occurred during read</source>
        <translation>Se produjo un error desconocido durante la lectura</translation>
    </message>
    <message>
        <source>%1 expected in read</source>
        <translation>Se esperaba: %1</translation>
    </message>
    <message>
        <source>Processing Line : </source>
        <translation>Línea procesada: </translation>
    </message>
    <message>
        <source>No line read in file</source>
        <translation>No se leyó ninguna línea del archivo</translation>
    </message>
    <message>
        <source>Please enter one number only.</source>
        <translation>Introduzca un solo número.</translation>
    </message>
</context>
<context>
    <name>OutputViewer</name>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>View and print output files</source>
        <translation>Ver e imprimir archivos de salida</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close file viewing.</source>
        <translation>Cerrar la vista del archivo.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>Imprimir documento</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Copy the report to the clipboard.</source>
        <translation>Copiar el informe al portapapeles.</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Save a copy of the report (Ctrl+S).</source>
        <translation>Guardar una copia del informe (Ctrl+S).</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Guardar informe como</translation>
    </message>
    <message>
        <source>Output files (*.out *.OUT)</source>
        <translation>Archivos de salida (*.out *.OUT)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot save the report &quot;%1&quot;: %2</source>
        <translation>No se puede guardar el informe «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>No se puede leer el archivo «%1». %2</translation>
    </message>
    <message>
        <source>The printer could not start printing &quot;%1&quot;.</source>
        <translation>La impresora no pudo empezar a imprimir «%1».</translation>
    </message>
    <message>
        <source>Printing &quot;%1&quot; failed.</source>
        <translation>Falló la impresión de «%1».</translation>
    </message>
</context>
<context>
    <name>PicturePanel</name>
    <message>
        <source>Print p&amp;icture...</source>
        <translation>&amp;Imprimir imagen...</translation>
    </message>
    <message>
        <source>Print the picture.</source>
        <translation>Imprimir la imagen.</translation>
    </message>
    <message>
        <source>Cop&amp;y picture</source>
        <translation>Cop&amp;iar imagen</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard.</source>
        <translation>Copiar la imagen al portapapeles.</translation>
    </message>
    <message>
        <source>Sa&amp;ve picture...</source>
        <translation>&amp;Guardar imagen...</translation>
    </message>
    <message>
        <source>Save the picture as PNG, SVG or PDF (Ctrl+S).</source>
        <translation>Guardar la imagen como PNG, SVG o PDF (Ctrl+S).</translation>
    </message>
    <message>
        <source>Image sent to default printer.</source>
        <translation>Imagen enviada a la impresora predeterminada.</translation>
    </message>
    <message>
        <source>Image written to %1.</source>
        <translation>Imagen escrita en %1.</translation>
    </message>
    <message>
        <source>Sorry, error writing to printer.</source>
        <translation>Lo sentimos, error al escribir en la impresora.</translation>
    </message>
    <message>
        <source>Image is copied to clipboard.</source>
        <translation>La imagen se ha copiado al portapapeles.</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot save the picture &quot;%1&quot;: %2</source>
        <translation>No se puede guardar la imagen «%1»: %2</translation>
    </message>
</context>
<context>
    <name>PictureText</name>
    <message>
        <source>1 value</source>
        <translation>1 valor</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 valores</translation>
    </message>
    <message>
        <source>%1 to %2: %3</source>
        <translation>%1 a %2: %3</translation>
    </message>
    <message>
        <source>Histogram of %1 in %2 classes: %3.</source>
        <translation>Histograma de %1 en %2 clases: %3.</translation>
    </message>
    <message>
        <source>The bars&apos; heights are percent of the values.</source>
        <translation>Las alturas de las barras son porcentajes de los valores.</translation>
    </message>
    <message>
        <source>The bars&apos; heights are densities.</source>
        <translation>Las alturas de las barras son densidades.</translation>
    </message>
    <message>
        <source>Normal curve with mean %1 and standard deviation %2.</source>
        <translation>Curva normal con media %1 y desviación típica %2.</translation>
    </message>
    <message>
        <source>No normal curve: the values do not vary.</source>
        <translation>Sin curva normal: los valores no varían.</translation>
    </message>
    <message>
        <source>Box plot of %1: lower whisker %2, first quartile %3, median %4, third quartile %5, upper whisker %6.</source>
        <translation>Diagrama de caja de %1: bigote inferior %2, primer cuartil %3, mediana %4, tercer cuartil %5, bigote superior %6.</translation>
    </message>
    <message>
        <source>%1 (%2 times)</source>
        <translation>%1 (%2 veces)</translation>
    </message>
    <message>
        <source>No values beyond the whiskers.</source>
        <translation>Ningún valor más allá de los bigotes.</translation>
    </message>
    <message>
        <source>Beyond the whiskers: %1.</source>
        <translation>Más allá de los bigotes: %1.</translation>
    </message>
    <message>
        <source>Normal Q-Q plot of %1: no values.</source>
        <translation>Gráfico Q-Q normal de %1: sin valores.</translation>
    </message>
    <message>
        <source>Normal Q-Q plot of %1: %2 points of the sorted values against the normal quantiles, from the value %3 at quantile %4 to the value %5 at quantile %6. The line through the quartiles has intercept %7 and slope %8.</source>
        <translation>Gráfico Q-Q normal de %1: %2 puntos de los valores ordenados frente a los cuantiles normales, desde el valor %3 en el cuantil %4 hasta el valor %5 en el cuantil %6. La recta por los cuartiles tiene ordenada en el origen %7 y pendiente %8.</translation>
    </message>
    <message>
        <source>There is no picture to describe.</source>
        <translation>No hay ninguna imagen que describir.</translation>
    </message>
    <message>
        <source>The description of the picture is copied to clipboard.</source>
        <translation>La descripción de la imagen se ha copiado al portapapeles.</translation>
    </message>
    <message>
        <source>&amp;Describe picture</source>
        <translation>&amp;Describir imagen</translation>
    </message>
    <message>
        <source>Copy a description of the picture to the clipboard.</source>
        <translation>Copiar una descripción de la imagen al portapapeles.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot print to the file &quot;%1&quot;: %2</source>
        <translation>No se puede imprimir en el archivo «%1»: %2</translation>
    </message>
</context>
<context>
    <name>QQPicture</name>
    <message>
        <source>normal quantiles</source>
        <translation>cuantiles normales</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>Reem&amp;plazar por:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Histogram</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>(one * for every %1 values)</source>
        <translation>(un * por cada %1 valores)</translation>
    </message>
    <message>
        <source>Mode = none (no value occurs more than once)</source>
        <translation>Moda = ninguna (ningún valor aparece más de una vez)</translation>
    </message>
    <message>
        <source>Mode = %1 (%2 values tie, each %3 times)</source>
        <translation>Moda = %1 (%2 valores empatados, cada uno %3 veces)</translation>
    </message>
    <message>
        <source>Mode = %1</source>
        <translation>Moda = %1</translation>
    </message>
    <message>
        <source>Q1 = %1, Q3 = %2 (R&apos;s quantile type 7)</source>
        <translation>Q1 = %1, Q3 = %2 (cuantiles de R, tipo 7)</translation>
    </message>
    <message>
        <source>Interquartile range Q3 - Q1 = %1</source>
        <translation>Rango intercuartílico Q3 - Q1 = %1</translation>
    </message>
    <message>
        <source>Skewness (sample estimate G1)</source>
        <translation>Asimetría (estimación muestral G1)</translation>
    </message>
    <message>
        <source>none (needs 3 values, not all equal)</source>
        <translation>ninguna (requiere 3 valores, no todos iguales)</translation>
    </message>
    <message>
        <source>Excess kurtosis (sample estimate G2)</source>
        <translation>Exceso de curtosis (estimación muestral G2)</translation>
    </message>
    <message>
        <source>none (needs 4 values, not all equal)</source>
        <translation>ninguno (requiere 4 valores, no todos iguales)</translation>
    </message>
    <message>
        <source>Five-number summary: %1, %2, %3, %4, %5</source>
        <translation>Resumen de cinco números: %1, %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>Random Error Distribution</source>
        <translation>Distribución de los errores aleatorios</translation>
    </message>
    <message>
        <source>Data Analysis</source>
        <translation>Análisis de datos</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; of %2</source>
        <translation>Columna «%1» de %2</translation>
    </message>
    <message>
        <source>Number of data elements: </source>
        <translation>Número de datos: </translation>
    </message>
    <message>
        <source>Tokens left out (not numbers): </source>
        <translation>Elementos omitidos (no números): </translation>
    </message>
    <message>
        <source>Minimum data = </source>
        <translation>Valor mínimo = </translation>
    </message>
    <message>
        <source>Maximum data = </source>
        <translation>Valor máximo = </translation>
    </message>
    <message>
        <source>       Range = </source>
        <translation>    Recorrido = </translation>
    </message>
    <message>
        <source>Arithmetic mean = </source>
        <translation>Media aritmética = </translation>
    </message>
    <message>
        <source>Standard Error in the mean </source>
        <translation>Error típico de la media </translation>
    </message>
    <message>
        <source>Summation of Residuals Squared = </source>
        <translation>Suma de los residuos al cuadrado = </translation>
    </message>
    <message>
        <source>Median = </source>
        <translation>Mediana = </translation>
    </message>
    <message>
        <source>Data, Residuals, and Normal Distribution Curve Point</source>
        <translation>Datos, residuos y puntos de la curva normal</translation>
    </message>
    <message>
        <source>Data Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Residuo</translation>
    </message>
    <message>
        <source>Histogram Information</source>
        <translation>Datos del histograma</translation>
    </message>
    <message>
        <source>Selected Class Interval: </source>
        <translation>Amplitud de clase elegida: </translation>
    </message>
    <message>
        <source>Number of classes: </source>
        <translation>Número de clases: </translation>
    </message>
    <message>
        <source> (centred on the mean)</source>
        <translation> (centradas en la media)</translation>
    </message>
    <message>
        <source>Lower Value</source>
        <translation>Límite inferior</translation>
    </message>
    <message>
        <source>Upper Value</source>
        <translation>Límite superior</translation>
    </message>
    <message>
        <source>Class bounds anchored at %1</source>
        <translation>Límites de clase a partir de %1</translation>
    </message>
    <message>
        <source>Classes closed at the right: (lower, upper]</source>
        <translation>Clases cerradas por la derecha: (inferior, superior]</translation>
    </message>
    <message>
        <source>Missing values left out: </source>
        <translation>Valores ausentes omitidos: </translation>
    </message>
</context>
<context>
    <name>ResultsDialog</name>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>The report of the computation</source>
        <translation>El informe del cálculo</translation>
    </message>
    <message>
        <source>Picture of the distribution</source>
        <translation>Imagen de la distribución</translation>
    </message>
    <message>
        <source>Computation Resuts</source>
        <translation>Resultados del cálculo</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>Return to data entry screen</source>
        <translation>Volver a la entrada de datos</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Send screen to printer</source>
        <translation>Enviar la pantalla a la impresora</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Leave screen</source>
        <translation>Salir de la pantalla</translation>
    </message>
    <message>
        <source>Clip&amp;board</source>
        <translation>Porta&amp;papeles</translation>
    </message>
    <message>
        <source>Copy screen to clipboard</source>
        <translation>Copiar la pantalla al portapapeles</translation>
    </message>
</context>
<context>
    <name>SampleNotes</name>
    <message>
        <source>1 token that is not a number was left out of &quot;%1&quot;</source>
        <translation>Se omitió 1 elemento que no es un número en «%1»</translation>
    </message>
    <message>
        <source>%1 tokens that are not numbers were left out of &quot;%2&quot;</source>
        <translation>Se omitieron %1 elementos que no son números en «%2»</translation>
    </message>
    <message>
        <source>; the first %1:</source>
        <translation>; los primeros %1:</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot;</source>
        <translation>Línea %1: «%2»</translation>
    </message>
</context>
<context>
    <name>TDistributionDialog</name>
    <message>
        <source>Critical Values for t distribution</source>
        <translation>Valores críticos de la distribución t</translation>
    </message>
    <message>
        <source>Probability for t distribution</source>
        <translation>Probabilidad de la distribución t</translation>
    </message>
    <message>
        <source>Students t Distribution</source>
        <translation>Distribución t de Student</translation>
    </message>
    <message>
        <source>&amp;Alpha, Upper-tail percentage points:</source>
        <translation>&amp;Alfa, cola superior en porcentaje:</translation>
    </message>
    <message>
        <source>Enter upper-tail in percentage points</source>
        <translation>Introduzca la cola superior en porcentaje</translation>
    </message>
    <message>
        <source>&amp;V, Degrees of freedom: </source>
        <translation>&amp;V, grados de libertad: </translation>
    </message>
    <message>
        <source>Enter number of redundant measurements</source>
        <translation>Introduzca el número de grados de libertad</translation>
    </message>
    <message>
        <source>V&amp;alue of t:</source>
        <translation>V&amp;alor de t:</translation>
    </message>
    <message>
        <source>Enter the value of t to find its upper-tail probability</source>
        <translation>Introduzca el valor de t para hallar la probabilidad de la cola superior</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>UTF-8 with BOM</source>
        <translation>UTF-8 con BOM</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>El texto supera la capacidad del editor</translation>
    </message>
    <message>
        <source>The previous version could not be kept as &quot;%1&quot;: the folder &quot;%2&quot; does not let new files be made.</source>
        <translation>No se pudo conservar la versión anterior como «%1»: la carpeta «%2» no permite crear archivos nuevos.</translation>
    </message>
    <message>
        <source>The previous version could not be kept as &quot;%1&quot;. %2</source>
        <translation>No se pudo conservar la versión anterior como «%1». %2</translation>
    </message>
    <message>
        <source> The previous version is in &quot;%1&quot;.</source>
        <translation> La versión anterior está en «%1».</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; for the previous version is taken by a folder or a special file. Rename or remove it, then save again.</source>
        <translation>El nombre «%1» para la versión anterior lo ocupa una carpeta o un archivo especial. Cámbiele el nombre o elimínelo y vuelva a guardar.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a socket or a disk device.</source>
        <translation>No es un archivo, sino una tubería, un socket o un dispositivo de disco.</translation>
    </message>
    <message>
        <source>The previous version could not be kept as &quot;%1&quot;.</source>
        <translation>No se pudo conservar la versión anterior como «%1».</translation>
    </message>
</context>
<context>
    <name>VectorPicture</name>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>No se pudo dibujar la imagen.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; needs a name ending in .png, .svg or .pdf.</source>
        <translation>La imagen «%1» necesita un nombre que termine en .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
</context>
</TS>

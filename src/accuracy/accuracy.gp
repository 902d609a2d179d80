# Draws the accuracy figure from the profiles kestrum-accuracy writes:
#   gnuplot -e "data='build/accuracy/profiles.dat'; out='accuracy.png'" accuracy.gp
set terminal pngcairo size 1800,860 font "DejaVu Sans,11" linewidth 1.2
set output out
set multiplot layout 2,4 \
    title "Kestrum's solver (coloured) beside the exact solution (black, dashed), rows 0-479, effective clock" \
    font ",13"

array pairs[4] = ["b = 0.3, V = 0.002 (the defaults)", "b = 0.12, V = 0.003 (Wave propagation)", \
                  "b = 0.4, V = 0.0005 (the hardest slider setting)", "b = 0.05, V = 0.05 (very viscous)"]
columns = "50 200 500 1999"
colour(k) = word("#1f77b4 #d62728 #2ca02c #9467bd", k)
set key top right samplen 2 font ",9"
set xrange [0:2.2]
set xtics 0.5
set grid lc rgb "#dddddd"

do for [p = 0:3] {
    set title pairs[p + 1] font ",11"
    set yrange [-1.15:1.15]
    set xlabel ""
    set ylabel (p == 0 ? "u" : "")
    plot for [k = 1:4] data index p using 1:(column(2 * k)) with lines lw 2 lc rgb colour(k) \
             title sprintf("column %s", word(columns, k)), \
         for [k = 1:4] data index p using 1:(column(2 * k + 1)) with lines dt 2 lw 1.2 \
             lc rgb "black" notitle
}
set logscale y
set format y "10^{%T}"
do for [p = 0:3] {
    set title ""
    set yrange [1e-7:1]
    set xlabel "x / {/Symbol p}"
    set ylabel (p == 0 ? "|program - exact|" : "")
    plot for [k = 1:4] data index p using 1:(abs(column(2 * k) - column(2 * k + 1))) \
             with lines lw 1.5 lc rgb colour(k) notitle
}
unset multiplot

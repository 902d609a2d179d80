# Draws the accuracy figure from the profiles kestrum-accuracy writes:
#   gnuplot -e "data='build/accuracy/profiles.dat'; out='accuracy.png'" accuracy.gp
# Four large panels and large type: the pages show it about 760 pixels wide.
set terminal pngcairo size 1600,1240 font "DejaVu Sans,25" linewidth 2
set output out
set multiplot layout 2,2 margins 0.075,0.99,0.08,0.87 spacing 0.07,0.15 \
    title "The program (colour) beside the exact solution (black, dashed)" font ",30"

array pairs[4] = ["The defaults, b = 0.3, V = 0.002", "Wave propagation, b = 0.12, V = 0.003", \
                  "Hardest setting, b = 0.4, V = 0.0005", "Very viscous, b = 0.05, V = 0.05"]
# Frames 48, 200, 500 and 1996, by the time after Start.
array frames[4] = ["1.2 s", "5 s", "12.5 s", "50 s"]
colour(k) = word("#1f77b4 #d62728 #2ca02c #9467bd", k)
set xrange [0:2.2]
set yrange [-1.15:1.15]
set xtics 0.5
set ytics 0.5
set grid lc rgb "#dddddd"
unset key

do for [p = 0:3] {
    set title pairs[p + 1] font ",26"
    set ylabel (p % 2 == 0 ? "u" : "")
    set xlabel (p >= 2 ? "x / {/Symbol p}" : "") offset 0,0.4
    if (p == 0) {
        set key bottom left Left reverse samplen 1.2 font ",21" spacing 1.05 title "after Start"
    } else {
        unset key
    }
    plot for [k = 1:4] data index p using 1:(column(2 * k)) with lines lw 3 lc rgb colour(k) \
             title frames[k], \
         for [k = 1:4] data index p using 1:(column(2 * k + 1)) with lines dt 2 lw 1.5 \
             lc rgb "black" notitle
}
unset multiplot

# SPDX-License-Identifier: GPL-3.0-or-later
# Draws a simple poster per title with ffmpeg: a two-colour gradient, a frame, the title, year and director.
import os, subprocess, sys, textwrap, tempfile

OUT = sys.argv[1]
BOLD = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
REG = "/usr/share/fonts/truetype/liberation/LiberationSerif-Italic.ttf"

covers = [
 ("1", "Alien", "1979", "Ridley Scott", "0x0b1a0b", "0x3c6e3c"),
 ("2", "Casablanca", "1942", "Michael Curtiz", "0x202020", "0x8a8a7a"),
 ("3", "Das Boot", "1981", "Wolfgang Petersen", "0x0a1e33", "0x3f6f8f"),
 ("4", "Metropolis", "1927", "Fritz Lang", "0x3a2a0a", "0xc09a40"),
 ("5", "Amélie", "2001", "Jean-Pierre Jeunet", "0x5a0a0a", "0x2f7a2f"),
 ("6", "Highlander", "1986", "Russell Mulcahy", "0x1a1a3a", "0x6a6aa0"),
 ("7", "Léon", "1994", "Luc Besson", "0x101010", "0x6a4a2a"),
 ("8", "The Matrix", "1999", "Lana & Lilly Wachowski", "0x001a00", "0x20a040"),
 ("9", "Der Himmel über Berlin", "1987", "Wim Wenders", "0x303038", "0xb0a070"),
 ("11", "Seven Samurai", "1954", "Akira Kurosawa", "0x1a1a1a", "0x8a2020"),
 ("12", "Waterworld", "1995", "Kevin Reynolds", "0x002a4a", "0x40a0c0"),
 ("13", "Battlefield Earth", "2000", "Roger Christian", "0x2a1a00", "0xa06010"),
 ("14", "Lola rennt", "1998", "Tom Tykwer", "0x6a0000", "0xe04020"),
 ("15", "The Lord of the Rings", "2001-2003", "Peter Jackson", "0x2a1a08", "0xa08040"),
 ("16", "Spirited Away", "2001", "Hayao Miyazaki", "0x10304a", "0xd08060"),
 ("17", "Crouching Tiger, Hidden Dragon", "2000", "Ang Lee", "0x0a2a1a", "0x80a060"),
 ("19", "Three Colours", "1993-1994", "Krzysztof Kieslowski", "0x1030a0", "0xb02020"),
 ("20", "The Seventh Seal", "1957", "Ingmar Bergman", "0x000000", "0x909090"),
 ("21", "Blade Runner", "1982", "Ridley Scott", "0x10102a", "0xc06020"),
 ("22", "Lawrence of Arabia", "1962", "David Lean", "0x6a3000", "0xf0b050"),
 ("23", "Pan’s Labyrinth", "2006", "Guillermo del Toro", "0x0a1a2a", "0x5a6a3a"),
 ("24", "Das Leben der Anderen", "2006", "F. H. von Donnersmarck", "0x1a1a22", "0x5a6a7a"),
]

def esc(path):
    return path.replace("\\", "\\\\").replace(":", "\\:").replace("'", "\\'")

tmp = tempfile.mkdtemp()
for idx, title, year, director, c0, c1 in covers:
    lines = textwrap.wrap(title.upper(), 12) or [title]
    size = 26 if max(len(l) for l in lines) <= 9 else 19
    top = 96 - (len(lines) - 1) * (size + 6) // 2
    band = len(lines) * (size + 6) + 22
    filters = ["drawbox=x=0:y=%d:w=200:h=%d:color=black@0.35:t=fill" % (top - 14, band),
               "drawbox=x=8:y=8:w=184:h=284:color=white@0.7:t=2"]
    for i, line in enumerate(lines):
        tf = os.path.join(tmp, "%s_%d.txt" % (idx, i))
        open(tf, "w", encoding="utf-8").write(line)
        filters.append("drawtext=fontfile=%s:textfile=%s:fontsize=%d:fontcolor=white:"
                       "shadowcolor=black@0.6:shadowx=2:shadowy=2:x=(w-text_w)/2:y=%d"
                       % (BOLD, esc(tf), size, top + i * (size + 6)))
    for name, text, y, fs in (("y", year, 228, 18), ("d", director, 254, 13)):
        tf = os.path.join(tmp, "%s_%s.txt" % (idx, name))
        open(tf, "w", encoding="utf-8").write(text)
        filters.append("drawtext=fontfile=%s:textfile=%s:fontsize=%d:fontcolor=white@0.9:x=(w-text_w)/2:y=%d"
                       % (REG, esc(tf), fs, y))
    src = "gradients=s=200x300:c0=%s:c1=%s:x0=0:y0=0:x1=0:y1=299:nb_colors=2:d=1" % (c1, c0)
    subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i", src,
                    "-vf", ",".join(filters), "-frames:v", "1", "-pix_fmt", "yuvj420p",
                    "-q:v", "5", os.path.join(OUT, idx + ".jpg")], check=True)

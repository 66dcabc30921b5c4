# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the demo catalogue: four cp1252 files with CR LF line ends.
import os, sys

OUT = sys.argv[1]
BR = "\x00"  # a field starting with this begins on a new physical line, right after the "|"

def record(fields):
    text = "~ " + fields[0]
    for f in fields[1:]:
        if f.startswith(BR):
            text += "|\n" + f[1:]
        else:
            text += "| " + f
    text += " ~"
    return text.split("\n")

def write(name, records, continuation):
    lines = []
    for fields in records:
        phys = record(fields)
        if not continuation:
            assert len(phys) == 1, fields[0]
        else:
            for l in phys[:-1]:
                assert not l.endswith("~"), l
        lines += phys
    data = "".join(l + "\r\n" for l in lines).encode("cp1252")
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)

N = "NULL"
# Title file: Title, kind, Location, Genre, Status, Medium, Rating, (unused), (unused), AKA,
# Comments, Idx, User index. Kept in title order, as the catalogue program saves it.
titles = [
 ["Alien", "SINGLE", "Shelf A-3", "Horror, Sci-Fi", "Present", "DVD", "5", "0", N, N,
  "Two cuts on one disc: the 1979 theatrical release and the 2003 director\u2019s cut.\n\nWatch with the lights off.",
  "1", "R-0001"],
 ["Am\u00e9lie", "SINGLE", "DVDR-Spindle 2", "Comedy, Romance", "Present", "DVD-R", "5", "0", N,
  "Le Fabuleux Destin d\u2019Am\u00e9lie Poulain", "Copy of the region 2 disc for the holiday house.", "5", N],
 ["Battlefield Earth", "Single", "CD-Wallet 1", "Sci-Fi", "Absent", "CD-R", "1", "0", N,
  "Battlefield Earth: A Saga of the Year 3000", "Bought as a joke. Gone at the 2006 flea market.", "13", "R-0013"],
 ["Blade Runner", "SINGLE", "DVDR-Spindle 1", "Sci-Fi, Thriller", "Present", "DVD-R", "5", "0", N, N,
  "The Final Cut (2007).", "21", "R-0021"],
 ["Casablanca", "SINGLE", "Shelf D-1", "Drama, Romance", "Present", "DVD", "5", "0", N, N,
  "Two-disc special edition.", "2 ", "R-0002"],
 ["Crouching Tiger, Hidden Dragon", "SINGLE", "Shelf C-2", "Action", "Present", "DVD", "4", "0", N,
  "Wo hu cang long", "Mandarin soundtrack with English subtitles; the dubbed track is best avoided.", "17", "R-0017"],
 ["Das Boot", "SINGLE", "VCD-Box 1", "Drama, War", "Present", "VCD", "5", "0", N, "The Boat",
  "Director\u2019s cut on three VCDs.^^German audio, English subtitles.", "3", "R-0003"],
 ["Das Leben der Anderen", "SINGLE", "DVDR-Spindle 3", "Drama", "Present", "DVD-R", N, "0", N,
  "The Lives of Others", N, "24", "R-0024"],
 ["Der Himmel \u00fcber Berlin", "SINGLE", "Shelf B-1", "Drama, Fantasy", "Present", "SVCD", "4", "0", N,
  "Wings of Desire", "Black-and-white and colour; the SVCD keeps both.", "9", "R-0009"],
 ["Godzilla", "SINGLE", "Attic box", "Action, Sci-Fi", "Absent", "VCD", "2", "0", N, N,
  "The 1998 remake, not the 1954 original.", "18", "R-0018"],
 ["Highlander", "SINGLE", "Shelf A-4", "Action, Fantasy", "Present", "VHS", "4", "0", N, N,
  "There can be only one tape, and it is worn out.", "6", "R-0006"],
 ["Holiday video: C\u00f4te d\u2019Azur 2005", "SINGLE", "Shelf E-1", N, "Present", "DVD-R", N, "0", N, N,
  "Nice, Antibes and the \u00celes de L\u00e9rins.\n\nFilmed on the MiniDV camcorder, not a film.", N, N],
 ["Lawrence of Arabia", "SINGLE", "Shelf C-3", "Adventure, Biography, War", "Present", "DVD", "5", "0", N, N,
  "Restored version, overture and intermission included.", "22", "R-0022"],
 ["L\u00e9on", "SINGLE", "CD-Wallet 4", "Crime, Drama", "Lent out", "CD-R", "4", "0", N,
  "L\u00e9on: The Professional", "Lent to Mathilde, March 2007.", "7", "R-0007"],
 ["Lola rennt", "SINGLE", "CD-Wallet 2", "Action, Thriller", "Present", "CD-R", "4", "0", N,
  "Run Lola Run", "Techno soundtrack on the second CD.", "14", "R-0014"],
 ["Metropolis", "SINGLE", "Shelf D-2", "Drama, Sci-Fi", "Present", "DVD", "5", "0", N, N,
  "Restored edition with the original orchestral score.", "4", "R-0004"],
 ["Pan\u2019s Labyrinth", "SINGLE", "Shelf B-2", "Fantasy, War", "Present", "DVD", "5", "0", N,
  "El laberinto del fauno", "Spanish with English subtitles.", "23", "DVD-0042"],
 ["Plan 9 from Outer Space", "SINGLE", "vcd-Box 2", "Sci-Fi, Horror", "Present", "VCD", "1", "0", N,
  "Grave Robbers from Outer Space", "So bad it\u2019s good. Public-domain copy, no cover scanned.", "10", "R-0010"],
 ["Seven Samurai", "SINGLE", "Shelf D-3", "Action, Drama", "Present", "DVD", "5", "0", N,
  BR + "Shichinin no samurai", "Criterion three-disc edition.", BR + "11", "R-0011"],
 ["Spirited Away", "SINGLE", "Shelf B-3", "Animation, Fantasy", "Present", "DVD", "5", "0", N,
  "Sen to Chihiro no kamikakushi", "Japanese and English tracks.", "16", "R-0016"],
 ["The Lord of the Rings Trilogy", "BOXSET", "Shelf C-1", "Adventure, Fantasy", "Present", "DVD", "5", "0", N, N,
  "Extended editions, twelve discs in four cases.\n\nThe appendix discs are not catalogued separately.", "15", "R-0015"],
 ["The Matrix", "SINGLE", "Shelf A-2", "Action, Sci-Fi", "Present", "HDD", "4", "0", N, N,
  "High-definition copy on the media server.", "8", "R-0008"],
 ["The Seventh Seal", "SINGLE", "Shelf D-4", "Drama", "Present", "DVD", "5", "0", N,
  "Det sjunde inseglet", "Swedish with English subtitles.", "20", "R-0020"],
 ["Three Colours Trilogy", "SERIES", "DVDR-Spindle 1", "Drama", "Present", "DVD-R", "5", "0", N,
  "Trois couleurs : Bleu, Blanc, Rouge", "Blue, White and Red on three discs.", "19", "R-0019"],
 ["Waterworld", "SINGLE", "Shelf A-1", "Action, Adventure", "Wishlist", "DVD", "3", "0", N, N,
  N, "12", "R-0012"],
]
assert len({t[0] for t in titles}) == len(titles)
for t in titles:
    assert len(t) == 13, t[0]

# IMDB file: Title, (IMDB number), IMDB title, (unused), Year, Director, Tagline, Summary,
# Genres, Actors, MPAA, Language, Runtime, Rating, Link, (unused). In order of entry.
def imdb(key, num, name, year, director, tagline, summary, genre, actors, mpaa, lang, runtime, rating):
    link = "http://www.imdb.com/title/tt%s/" % num if num != N else N
    return [key, num, name, N, year, director, tagline, summary, genre, actors, mpaa, lang, runtime, rating, link, N]

imdbs = [
 imdb("Alien", "0078748", "Alien", "1979", "Ridley Scott", "In space no one can hear you scream.",
      "The crew of the commercial towing ship Nostromo answer a distress call from a barren moon and bring back a life form that hunts them one by one through the dark corridors of their own ship.",
      "Horror, Sci-Fi, Thriller",
      BR + "Sigourney Weaver, Tom Skerritt, John Hurt, Veronica Cartwright, Harry Dean Stanton, Ian Holm, Yaphet Kotto",
      "Rated R", "English", "117 min", "8.4"),
 imdb("Casablanca", "0034583", "Casablanca", "1942", "Michael Curtiz", N,
      "In wartime Casablanca a cynical American nightclub owner meets again the woman who left him in Paris; she now travels with a resistance leader who needs papers to get out of Morocco.",
      BR + "Drama, Romance, War",
      "Humphrey Bogart, Ingrid Bergman, Paul Henreid, Claude Rains, Conrad Veidt, Sydney Greenstreet, Peter Lorre",
      BR + "Rated PG", "English, French, German", "102 min", "8.8"),
 imdb("Das Boot", "0082096", "Boot, Das", "1981", "Wolfgang Petersen", N,
      "Autumn 1941: a German U-boat leaves La Rochelle for a patrol in the Atlantic, where weeks of cramped boredom give way to depth charges, storms and a desperate attempt to slip through the Strait of Gibraltar.",
      "War, History, drama",
      "J\u00fcrgen Prochnow, Herbert Gr\u00f6nemeyer, Klaus Wennemann, Hubertus Bengsch, Martin Semmelrogge",
      "Rated R", "German", "149 min", "8.3"),
 imdb("Metropolis", "0017136", "Metropolis", "1927", "Fritz Lang", N,
      "In a towering city of the future the son of its master discovers the workers toiling in the depths below, and a machine made in the likeness of their gentle preacher is sent down to stir them to revolt.",
      "Drama, Sci-Fi",
      "Brigitte Helm, Alfred Abel, Gustav Fr\u00f6hlich, Rudolf Klein-Rogge",
      N, "German", "153 min", "8.3"),
 imdb("Am\u00e9lie", "0211915", "Fabuleux destin d\u2019Am\u00e9lie Poulain, Le", "2001", "Jean-Pierre Jeunet",
      "She\u2019ll change your life.",
      "A shy waitress in Montmartre sets out to quietly improve the lives of the people around her, and has to find the nerve to go after a romance of her own.",
      "Comedy, Romance",
      "Audrey Tautou, Mathieu Kassovitz, Rufus, Yolande Moreau, Isabelle Nanty",
      "Rated R", "French", "122 min", "8.5"),
 imdb("Highlander", "0091203", "Highlander", "1986", "Russell Mulcahy", "There can be only one.",
      "Born in the Scottish Highlands in the sixteenth century, an immortal swordsman lives on in modern New York, where the last of his kind duel to the death for a prize only the final survivor can claim.",
      "Action, Adventure, Fantasy",
      "Christopher Lambert, Roxanne Hart, Clancy Brown, Sean Connery",
      "Rated R", "English", "116 min", "7.1"),
 imdb("L\u00e9on", "0110413", "L\u00e9on", "1994", "Luc Besson",
      "If you want the job done right, hire a professional.",
      "A solitary hitman in New York takes in the twelve-year-old girl next door after corrupt drug agents murder her family, and reluctantly teaches her his trade.",
      "Crime, Drama, Thriller",
      "Jean Reno, Gary Oldman, Natalie Portman, Danny Aiello",
      "Rated R", "English", "110 min", "8.5"),
 imdb("The Matrix", "0133093", "The Matrix", "1999", "Lana Wachowski, Lilly Wachowski", "Free your mind.",
      "A hacker learns that the world he knows is a simulation run by machines that farm human beings for energy, and joins the small band of rebels who fight them from outside it.",
      "Action, Sci-Fi",
      "Keanu Reeves, Laurence Fishburne, Carrie-Anne Moss, Hugo Weaving, Joe Pantoliano",
      "Rated R", "English", "136 min", "8.6"),
 imdb("Der Himmel \u00fcber Berlin", "0093191", "Himmel \u00fcber Berlin, Der", "1987", "Wim Wenders", N,
      "Two angels drift over divided Berlin listening to the thoughts of its people; one of them falls for a lonely trapeze artist and starts to long for a mortal life.",
      "Drama, Fantasy, Romance",
      "Bruno Ganz, Solveig Dommartin, Otto Sander, Curt Bois, Peter Falk",
      "Rated PG-13", "German, English, French", "128 min", "8.0"),
 imdb("Plan 9 from Outer Space", "0052077", "Plan 9 from Outer Space", "1959", "Edward D. Wood Jr.",
      "Unspeakable horrors from outer space paralyze the living and resurrect the dead!",
      "Aliens alarmed by mankind\u2019s weapons raise the dead in a small Californian cemetery, while an airline pilot, his wife and a pair of baffled policemen try to make sense of the lights in the sky.",
      "Horror, Sci-Fi",
      "Gregory Walcott, Mona McKinnon, Duke Moore, Tom Keene, Tor Johnson, Vampira, Bela Lugosi",
      N, "English", "79 min", "4.0"),
 imdb("Seven Samurai", "0047478", "Shichinin no samurai", "1954", "Akira Kurosawa", N,
      "Farmers whose village is raided every harvest hire seven masterless samurai to defend it, and the warriors drill the villagers for the battle to come.",
      "Action, Adventure, Drama",
      "Toshir\u00f4 Mifune, Takashi Shimura, Keiko Tsushima, Yukiko Shimazaki",
      N, "Japanese", "207 min", "8.8"),
 imdb("Waterworld", "0114898", "Waterworld", "1995", "Kevin Reynolds",
      "Beyond the horizon lies the secret to a new beginning.",
      "With the ice caps melted and the land drowned, a gilled loner sails an endless ocean and grudgingly protects a woman and a girl whose tattoo may be a map to dry land.",
      "Action, Adventure, Sci-Fi",
      "Kevin Costner, Dennis Hopper, Jeanne Tripplehorn, Tina Majorino",
      "Rated PG-13", "English", "135 min", "6.0"),
 imdb("Battlefield Earth", "0185183", "Battlefield Earth: A Saga of the Year 3000", "2000", "Roger Christian",
      "Take back the planet.",
      "A thousand years from now the alien Psychlos have enslaved what is left of mankind, until a young hunter learns their language and machines and leads a revolt.",
      "Action, Adventure, Sci-Fi",
      "John Travolta, Barry Pepper, Forest Whitaker",
      "Rated PG-13", "English", "118 min", "2.4"),
 imdb("Lola rennt", "0130827", "Lola rennt", "1998", "Tom Tykwer", N,
      "Lola has twenty minutes to find 100,000 marks for her boyfriend before he robs a supermarket; the run is played three times, each with a different ending.",
      "Crime, Drama, Thriller",
      "Franka Potente, Moritz Bleibtreu, Herbert Knaup, Nina Petri",
      "Rated R", "German", "81 min", "7.8"),
 imdb("Spirited Away", "0245429", "Sen to Chihiro no kamikakushi", "2001", "Hayao Miyazaki", N,
      "On the way to their new home a sulky ten-year-old and her parents wander into a world of spirits; her parents are turned into pigs, and she takes a job in a bathhouse for the gods to win them back.",
      "Animation, Adventure, Family, Fantasy",
      "Rumi Hiiragi, Miyu Irino, Mari Natsuki, Takashi Nait\u00f4",
      "Rated PG", "Japanese", "125 min", "8.6"),
 imdb("Crouching Tiger, Hidden Dragon", "0190332", "Wo hu cang long", "2000", "Ang Lee", N,
      "A veteran swordsman gives his legendary sword to an old friend for safekeeping; its theft draws a young aristocrat, a fugitive poisoner and two ageing warriors into a contest of honour and freedom.",
      "Action, Drama, Fantasy, Romance",
      "Chow Yun-Fat, Michelle Yeoh, Zhang Ziyi, Chang Chen",
      "Rated PG-13", "Mandarin", "120 min", "7.9"),
 imdb("Godzilla", "0120685", "Godzilla", "1998", "Roland Emmerich", "Size does matter.",
      "Nuclear tests in the Pacific give rise to a giant reptile that comes ashore in Manhattan, where a biologist studying the effects of radiation tries to find its nest.",
      "Action, Sci-Fi, Thriller",
      "Matthew Broderick, Jean Reno, Maria Pitillo, Hank Azaria",
      "Rated PG-13", "English", "139 min", "4.9"),
 imdb("Three Colours Trilogy", N, "Trois couleurs: Bleu, Blanc, Rouge", N, "Krzysztof Kieslowski", N,
      "Three films named after the colours of the French flag, each following one person through a story of liberty, equality or fraternity.",
      "Drama, Romance, Mystery",
      "Juliette Binoche, Julie Delpy, Zbigniew Zamachowski, Ir\u00e8ne Jacob, Jean-Louis Trintignant",
      N, "French, Polish", N, "Null"),
 imdb("The Seventh Seal", "0050976", "Sjunde inseglet, Det", "1957", "Ingmar Bergman", N,
      "A knight back from the Crusades finds Sweden ravaged by plague, meets Death on the shore and challenges him to a game of chess to win himself time.",
      "Drama, Fantasy",
      "Gunnar Bj\u00f6rnstrand, Bengt Ekerot, Nils Poppe, Max von Sydow, Bibi Andersson",
      N, "Swedish", "96 min", "8.2"),
 imdb("Blade Runner", "0083658", "Blade Runner", "1982", "Ridley Scott",
      "Man has made his match... now it\u2019s his problem.",
      "In a rain-soaked Los Angeles of 2019 a retired police officer is pressed back into service to hunt four escaped replicants, artificial humans who have come to Earth in search of their maker.",
      "Sci-Fi, Thriller, Drama",
      "Harrison Ford, Rutger Hauer, Sean Young, Edward James Olmos, Daryl Hannah",
      "Rated R", "English", "117 min", "8.3"),
 imdb("Lawrence of Arabia", "0056172", "Lawrence of Arabia", "1962", "David Lean", N,
      "A young British officer with a gift for languages is sent into the Arabian desert during the First World War and becomes the leader of a tribal revolt against the Turks, at great cost to himself.",
      "Adventure, Biography, Drama, War",
      "Peter O\u2019Toole, Alec Guinness, Anthony Quinn, Jack Hawkins, Omar Sharif",
      "Rated PG", "English", "216 min", "8.6"),
 imdb("Pan\u2019s Labyrinth", "0457430", "Laberinto del fauno, El", "2006", "Guillermo del Toro", N,
      "In the hills of Spain in 1944 the stepdaughter of a brutal army captain escapes into a world of fairy tales, where a faun sets her three dangerous tasks.",
      "Drama, Fantasy, War",
      "Ivana Baquero, Sergi L\u00f3pez, Maribel Verd\u00fa, Doug Jones, Ariadna Gil",
      "Rated R", "Spanish", "118 min", "8.3"),
 imdb("Das Leben der Anderen", "0405094", "Leben der Anderen, Das", "2006", "Florian Henckel von Donnersmarck", N,
      "East Berlin, 1984: a meticulous Stasi captain is told to bug the flat of a playwright and his actress partner, and is slowly drawn into the lives he is spying on.",
      "Drama, Thriller",
      "Ulrich M\u00fche, Martina Gedeck, Sebastian Koch, Ulrich Tukur",
      "Rated R", "German", "137 min", "8.5"),
]
for r in imdbs:
    assert len(r) == 16, r[0]

# Media file: Title, Format, Files, Length, Width, Height, Framerate, Video bitrate, Video codec,
# Audio bitrate, Audio codec, Channels, Samplerate.
media = [
 ["Das Leben der Anderen", "Matroska", "1", "02:17:14", "1280", "720", "25.000", "4500 Kbps", "AVC", "448 Kbps", "AC-3", "6", "48000"],
 ["Pan\u2019s Labyrinth", "Matroska", "1", "01:58:47", "1280", "692", "23.976", "5500 Kbps", "AVC", "448 Kbps", "AC-3", "6", "48000"],
 ["Lawrence of Arabia", "Matroska", "2", "03:36:42", "2048", "858", "24.000", "12.0 Mbps", "AVC", "1509 Kbps", "DTS", "6", "48000"],
 ["Blade Runner", "Matroska", "1", "01:57:26", "1920", "800", "23.976", "9000 Kbps", "AVC", "640 Kbps", "AC-3", "6", "48000"],
 ["The Seventh Seal", "AVI", "1", "01:36:07", "640", "480", "25.000", "1250 Kbps", "XviD", "128 Kbps", "MP3", "1", "48000"],
 ["Three Colours Trilogy", "MPEG-2 PS", "3", "04:53:10", "1024", "576", "25.000", "5000 Kbps", "MPEG-2 Video", "192 Kbps", "AC-3", "2", "48000"],
 ["Godzilla", "MPEG-1", "2", "02:18:39", "352", "240", "29.970", "1150 Kbps", "MPEG-1 Video", "224 Kbps", "MPEG-1 Audio Layer 2", "2", "44100"],
 ["Crouching Tiger, Hidden Dragon", "Matroska", "1", "01:59:52", "1920", "816", "23.976", "7500 Kbps", "AVC", "1509 Kbps", "DTS", "6", "48000"],
 ["Spirited Away", "Matroska", "1", "02:05:02", "1998", "1080", "23.976", "8000 Kbps", "AVC", "640 Kbps", "AC-3", "6", "48000"],
 ["Holiday video: C\u00f4te d\u2019Azur 2005", "AVI", "1", "00:47:12", "720", "576", "25.000", "25.0 Mbps", "DV", "1536 Kbps", "PCM", "2", "48000"],
 ["The Lord of the Rings Trilogy", "MPEG-2 PS", "12", N, "720", "576", "25.000", N, "MPEG-2 Video", N, "AC-3", "6", "48000"],
 ["Lola rennt", "AVI", "1", "01:20:33", "704", "448", "25.000", "1400 Kbps", "XviD", "192 Kbps", "MP3", "2", "48000"],
 ["Battlefield Earth", "AVI", "1", "01:57:35", "576", "240", "23.976", "850 Kbps", "DivX 5", "112 Kbps", "MP3", "2", "44100"],
 ["Seven Samurai", "MPEG-2 PS", "3", "03:27:10", "720", "480", "29.970", "5200 Kbps", "MPEG-2 Video", "192 Kbps", "AC-3", "1", "48000"],
 ["Plan 9 from Outer Space", "MPEG-1", "1", "01:18:40", "352", "240", "29.970", "1150 Kbps", "MPEG-1 Video", "224 Kbps", "MPEG-1 Audio Layer 2", "1", "44100"],
 ["Der Himmel \u00fcber Berlin", "MPEG-2 PS", "2", "02:07:40", "480", "576", "25.000", "2200 Kbps", "MPEG-2 Video", "224 Kbps", "MPEG-1 Audio Layer 2", "2", "44100"],
 ["The Matrix", "Matroska", "1", "02:16:17", "1920", "1080", "23.976", "10.0 Mbps", "AVC", "1509 Kbps", "DTS", "6", "48000"],
 ["L\u00e9on", "AVI", "2", "01:50:22", "640", "272", "23.976", N, "XviD", "128 Kbps", "MP3", "2", "48000"],
 ["Am\u00e9lie", "MPEG-2 PS", "5", "02:02:08", "720", "576", "25.000", "5800 Kbps", "MPEG-2 Video", "448 Kbps", "AC-3", "6", "48000"],
 ["Metropolis", "MPEG-2 PS", "1", "02:03:15", "720", "480", "29.970", "4500 Kbps", "MPEG-2 Video", "192 Kbps", "AC-3", "2", "48000"],
 ["Das Boot", "MPEG-1", "3", "03:28:52", "352", "288", "25.000", "1150 Kbps", "MPEG-1 Video", "224 Kbps", "MPEG-1 Audio Layer 2", "2", "44100"],
 ["Alien", "AVI", "2", "01:56:40", "720", "304", "23.976", "1700 Kbps", "XviD", "384 Kbps", "AC-3", "6", "48000"],
]
for r in media:
    assert len(r) == 13, r[0]

# History file: Title, Entered, (unused), (unused). In order of entry.
history = [
 ["Alien", "2003-02-14", "Added", "0"],
 ["Casablanca", "2003-02-14", "Added", "0"],
 ["Das Boot", "2003-05-03", "Added", "0"],
 ["Am\u00e9lie", "2003-09-21", "Added", "0"],
 ["L\u00e9on", "2004-01-10", "Added", "0"],
 ["The Matrix", "2004-01-10 18:42:07", "Added", "0"],
 ["Der Himmel \u00fcber Berlin", "2004-03-27", "Added", "0"],
 ["Plan 9 from Outer Space", "2004-06-05", "Added", "0"],
 ["Seven Samurai", "2004-11-13", "Added", "0"],
 ["Waterworld", "2005-01-08", "Added", "0"],
 ["Battlefield Earth", "2005-02-19", "Added", "0"],
 ["Lola rennt", "2005-04-02", "Added", "0"],
 ["The Lord of the Rings Trilogy", "2005-07-30", "Added", "0"],
 ["Holiday video: C\u00f4te d\u2019Azur 2005", "2005-08-28", "Added", "0"],
 ["Spirited Away", "2005-11-12", "Added", "0"],
 ["Crouching Tiger, Hidden Dragon", "2006-02-04", "Added", "0"],
 ["Godzilla", "2006-03-14", "Added", "0"],
 ["Three Colours Trilogy", N, "Added", "0"],
 ["The Seventh Seal", "2006-10-01", "Added", "0"],
 ["Blade Runner", "2007-01-20", "Added", "0"],
 ["Lawrence of Arabia", "2007-06-09", "Added", "0"],
 ["Pan\u2019s Labyrinth", "2007-11-24", "Added", "0"],
 ["Das Leben der Anderen", "2008-03-15", "Added", "0"],
]
for r in history:
    assert len(r) == 4, r[0]

keys = {t[0] for t in titles}
for group in (imdbs, media, history):
    assert all(r[0] in keys for r in group)
    assert len({r[0] for r in group}) == len(group)

write("reelkeep.dat", titles, True)
write("imdb.dat", imdbs, True)
write("media.dat", media, False)
write("History.dat", history, False)

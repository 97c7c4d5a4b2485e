#!/usr/bin/env bash
# Makes the demo device's media once: short tunes, a short film and photos. The results in
# demo/assets/ are committed; run this again only to change them. Needs sox, ffmpeg (with
# libmp3lame, libx264 and aac), ImageMagick and python3.
set -euo pipefail
cd "$(dirname "$0")"
out=assets
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out/music" "$out/movies" "$out/photos"
im=/usr/bin/convert

# tune NAME VOICE NOTE_SECONDS NOTE... : one note after another, with a little reverb.
tune() {
  local name=$1 voice=$2 length=$3
  shift 3
  local notes=() i=0
  for note in "$@"; do
    i=$((i + 1))
    sox -n -r 44100 -c 1 "$work/$name-$i.wav" synth "$length" "$voice" "$note" fade l 0.01 "$length" "$(echo "$length * 0.6" | bc)"
    notes+=("$work/$name-$i.wav")
  done
  sox "${notes[@]}" "$work/$name.wav" pad 0 0.8 gain -n -8 reverb 45 gain -n -3
}

tune northern pluck 0.5 A3 C4 E4 A4 G4 E4 C4 E4 A3
tune snowfall pluck 0.35 D5 A4 F#4 D5 E5 A4 F#5 E5 D5 A4 B4 D5
tune harbour sine 0.7 C5 G4 E5 C5 G5 E5
tune sjobris pluck 0.4 D4 E4 F#4 A4 B4 A4 F#4 E4 D4 A3 D4
tune cafe square 0.25 C3 C4 G3 Bb3 C3 C4 G3 F3 Eb3 Eb4 Bb3 G3 C3 C4 G3 C4

mp3() {
  ffmpeg -loglevel error -y -i "$work/$1.wav" -map_metadata -1 -id3v2_version 0 \
    -codec:a libmp3lame -b:a 64k -ac 1 "$work/$1.mp3"
}
for t in northern snowfall harbour sjobris cafe; do mp3 "$t"; done

# Album covers: small JPEGs without text.
$im -size 160x160 gradient:'#0b1d3a-#1f7a6d' \
  -fill '#9be7c4' -draw 'ellipse 80 150 120 40 180 360' \
  -fill '#f4f1bb' -draw 'circle 118 42 124 42' -quality 80 "$work/polar.jpg"
$im -size 160x160 gradient:'#f6d186-#c05850' \
  -fill '#2e3a59' -draw 'polygon 0,160 0,110 40,95 80,120 120,90 160,105 160,160' \
  -fill '#ffffff' -draw 'rectangle 70,60 78,100' -quality 80 "$work/coastline.jpg"
$im -size 160x160 plasma:'#3a0ca3-#f72585' -seed 7 -swirl 120 -quality 80 "$work/courant.jpg"

py=./add_id3_tag.py
python3 $py 3 "$work/northern.mp3" "$out/music/northern_lights.mp3" --title "Northern Lights" \
  --artist "Aurora Quartet" --album "Polar Nights" --genre Ambient --track 1 --picture "$work/polar.jpg"
python3 $py 3 "$work/snowfall.mp3" "$out/music/snowfall.mp3" --title "Snowfall" \
  --artist "Aurora Quartet" --album "Polar Nights" --genre Ambient --track 2 --picture "$work/polar.jpg"
python3 $py 2 "$work/harbour.mp3" "$out/music/harbour_bells.mp3" --title "Harbour Bells" \
  --artist "Fjord Brass" --album "Coastline" --genre Folk --track 3 --picture "$work/coastline.jpg"
cp "$work/sjobris.mp3" "$out/music/sjobris.mp3"  # no tag at all
python3 $py 3 "$work/cafe.mp3" "$out/music/cafe_electrique.mp3" --title "Café Électrique" \
  --artist "Les Ondes" --album "Courant" --genre Electronic --track 1 --picture "$work/courant.jpg"

# Photos, one scene each.
$im -size 480x360 gradient:'#ff9e5e-#5b2a86' \
  -fill '#ffd166' -draw 'circle 240 250 240 200' \
  -fill '#1b1f3b' -draw 'polygon 0,360 0,280 90,240 170,290 260,230 360,285 480,250 480,360' \
  -quality 82 "$out/photos/IMG_0101.JPG"
$im -size 480x360 gradient:'#8ecae6-#023047' \
  -fill '#ffffff' -draw 'ellipse 120 80 60 18 0 360' -draw 'ellipse 330 60 80 22 0 360' \
  -fill '#e9c46a' -draw 'polygon 0,360 0,300 480,320 480,360' \
  -quality 82 "$out/photos/IMG_0102.JPG"
$im -size 480x360 gradient:'#caf0f8-#52b788' \
  -fill '#1b4332' -draw 'polygon 60,360 110,150 160,360' -draw 'polygon 300,360 360,120 420,360' \
  -quality 82 "$out/photos/IMG_0207.JPG"
$im -size 480x360 gradient:'#e0fbfc-#98c1d9' \
  -fill '#ffffff' -draw 'polygon 0,360 0,230 140,170 260,240 380,160 480,210 480,360' \
  -fill '#3d5a80' -draw 'rectangle 228,250 236,330' -draw 'polygon 200,260 232,170 264,260' \
  -quality 82 "$out/photos/IMG_0311.JPG"
$im -size 480x360 gradient:'#03045e-#000814' \
  -fill '#ffd60a' -draw 'rectangle 40,200 90,360' -draw 'rectangle 120,150 180,360' \
  -draw 'rectangle 210,220 260,360' -draw 'rectangle 300,120 360,360' -draw 'rectangle 390,180 440,360' \
  -fill '#f8f9fa' -draw 'circle 400 60 400 45' -quality 82 "$out/photos/IMG_0312.JPG"
$im -size 480x360 gradient:'#fcbf49-#e76f51' \
  -fill '#fff3b0' -draw 'circle 360 110 360 80' \
  -fill '#264653' -draw 'ellipse 240 320 300 70 0 360' -quality 82 "$out/photos/IMG_0415.JPG"

# The film: a slow zoom into the sunset photo with the first tune under it.
ffmpeg -loglevel error -y -loop 1 -i "$out/photos/IMG_0101.JPG" -i "$work/northern.wav" \
  -filter_complex "[0:v]scale=960:720,zoompan=z='1+0.0025*on':x='iw/2-iw/zoom/2':y='ih/2-ih/zoom/2':d=1:s=320x240:fps=25,format=yuv420p[v]" \
  -map '[v]' -map 1:a -t 4.5 -c:v libx264 -profile:v baseline -crf 30 -c:a aac -b:a 64k \
  -map_metadata -1 -movflags +faststart -f mp4 "$out/movies/sunrise.m4v"
du -sh "$out"

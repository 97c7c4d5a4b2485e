#!/usr/bin/env bash
# Draws the control pictures, the drop picture and the start-up chime of the window.
# Run once by hand (ImageMagick, sox and ffmpeg with libmp3lame); the outputs are committed,
# so building Korvida needs none of these tools.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
light='#e6e9ee'
accent='#7cc4ff'

# A round dark button face, drawn at 4x and scaled down for smooth edges.
# $1 output, $2 inner colour, $3 outer colour, $4 ring colour, $5.. extra draw commands.
button_face() {
  local out=$1 inner=$2 outer=$3 ring=$4
  shift 4
  convert -size 480x480 radial-gradient:"$inner-$outer" \
    \( -size 480x480 xc:black -fill white -draw 'circle 240,240 240,14' \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    -fill none -stroke "$ring" -strokewidth 7 -draw 'circle 240,240 240,20' \
    -stroke none "$@" -resize 120x120 "$work/$out.png"
}

# GIF keeps only on/off transparency: blend the soft edge onto black (the window's colour)
# and keep the pixels that are at least half covered.
to_gif() {
  convert "$work/$1.png" \( +clone -alpha extract -threshold 50% \) \
    \( -clone 0 -background black -alpha remove \) -delete 0 \
    +swap -alpha off -compose CopyOpacity -composite "$1.gif"
}

transport_button() {
  local name=$1 symbol=$2
  button_face "$name" '#3b414b' '#15171b' '#5d6673' -fill "$light" -draw "$symbol"
  to_gif "$name"
}

pressed_button() {
  local name=$1 symbol=$2
  button_face "$name" '#2c4a66' '#101a24' "$accent" -fill "$accent" -draw "$symbol"
  to_gif "$name"
}

play='polygon 190,145 190,335 350,240'
pause='roundrectangle 168,150 222,330 12,12 roundrectangle 258,150 312,330 12,12'
fast_forward='polygon 140,160 140,320 245,240 polygon 240,160 240,320 345,240'
fast_back='polygon 340,160 340,320 235,240 polygon 240,160 240,320 135,240'
next='polygon 160,160 160,320 290,240 rectangle 295,160 328,320'
back='polygon 320,160 320,320 190,240 rectangle 152,160 185,320'

transport_button PlayControllPanel "$play"
transport_button PauseControllPanel "$pause"
transport_button FastForwardControllPanel "$fast_forward"
transport_button FastBackControllPanel "$fast_back"
transport_button NextControllPanel "$next"
transport_button BackControllPanel "$back"
pressed_button FastForwardControllPanelDown "$fast_forward"
pressed_button FastBackControllPanelDown "$fast_back"

# Back to the window: a small window with a title bar on the round face.
button_face Window '#3b414b' '#15171b' '#5d6673' \
  -fill none -stroke "$light" -strokewidth 18 -draw 'roundrectangle 130,160 350,320 16,16' \
  -fill "$light" -stroke none -draw 'rectangle 130,160 350,200'
cp "$work/Window.png" Window.png

# Full screen: four corner brackets pointing outwards.
convert -size 384x384 xc:none -fill none -stroke "$light" -strokewidth 34 \
  -draw 'stroke-linecap round stroke-linejoin round
         polyline 40,140 40,40 140,40   polyline 244,40 344,40 344,140
         polyline 344,244 344,344 244,344   polyline 140,344 40,344 40,244' \
  -resize 96x96 FullScreen.png

# The drop picture: a player outline with its wheel inside a dashed frame, and a hint.
convert -size 1024x1024 xc:none \
  -fill none -stroke '#4a5260' -strokewidth 10 -draw 'stroke-dasharray 40 28 roundrectangle 40,40 984,984 60,60' \
  -stroke "$light" -strokewidth 14 -fill '#1b1e23' -draw 'roundrectangle 352,150 672,690 48,48' \
  -fill '#2b313a' -stroke '#5d6673' -strokewidth 6 -draw 'roundrectangle 392,190 632,380 14,14' \
  -fill '#23272e' -stroke "$light" -strokewidth 10 -draw 'circle 512,540 512,440' \
  -fill '#15171b' -draw 'circle 512,540 512,505' \
  -stroke none -fill "$light" -font "$font" -pointsize 72 -gravity north \
  -annotate +0+750 'Drop your player here' \
  -fill '#8a93a0' -pointsize 48 -annotate +0+850 'or choose File > Open Device' \
  -resize 512x512 DropiPod.png

convert -size 64x64 xc:black -quality 90 BlackImage.jpg

# The start-up chime: three soft bell tones, a fifth and an octave apart, with a little room.
sox -n -r 44100 -c 1 "$work/a.wav" synth 2.6 sine 440 sine 880 remix - fade q 0.01 2.6 2.5 gain -14
sox -n -r 44100 -c 1 "$work/b.wav" synth 2.4 sine 659.26 sine 1318.5 remix - fade q 0.01 2.4 2.3 gain -16 pad 0.18
sox -n -r 44100 -c 1 "$work/c.wav" synth 2.2 sine 880 sine 1760 remix - fade q 0.01 2.2 2.1 gain -18 pad 0.36
sox -m "$work/a.wav" "$work/b.wav" "$work/c.wav" -c 2 "$work/chime.wav" reverb 45 gain -n -4
ffmpeg -loglevel error -y -i "$work/chime.wav" -codec:a libmp3lame -b:a 128k Opstart.mp3

# The program's icon: a player with its wheel on a dark rounded tile.
convert -size 1024x1024 xc:none \
  \( -size 1024x1024 gradient:'#2e3440-#0e1013' \
     \( -size 1024x1024 xc:black -fill white -draw 'roundrectangle 40,40 984,984 200,200' \) \
     -alpha off -compose CopyOpacity -composite \) -compose Over -composite \
  -fill '#1b1e23' -stroke "$light" -strokewidth 28 -draw 'roundrectangle 312,150 712,874 70,70' \
  -fill '#24486a' -stroke "$accent" -strokewidth 12 -draw 'roundrectangle 362,210 662,450 22,22' \
  -fill '#23272e' -stroke "$light" -strokewidth 20 -draw 'circle 512,650 512,520' \
  -fill "$accent" -stroke none -draw 'circle 512,650 512,605' \
  -resize 256x256 korvida.png

# A tune without a picture of its own and without a themed icon: two notes on a dark tile.
convert -size 1024x1024 xc:none \
  \( -size 1024x1024 gradient:'#2e3440-#0e1013' \
     \( -size 1024x1024 xc:black -fill white -draw 'roundrectangle 40,40 984,984 200,200' \) \
     -alpha off -compose CopyOpacity -composite \) -compose Over -composite \
  -fill "$light" -stroke none \
  -draw 'translate 330,740 rotate -20 ellipse 0,0 92,66 0,360' -draw 'translate 680,640 rotate -20 ellipse 0,0 92,66 0,360' \
  -draw 'rectangle 383,300 423,730' -draw 'rectangle 733,200 773,630' \
  -draw 'polygon 383,300 773,200 773,300 383,400' \
  -resize 256x256 Tune.png

# No dates or profiles, so that drawing again gives the same files.
mogrify -strip -define png:exclude-chunks=date,time ./*.png

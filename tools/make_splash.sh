#!/usr/bin/env bash
# Makes the splash picture resources/splash.jpg: 469 x 254 pixels, baseline JFIF,
# YCbCr 4:2:0, 96 dpi. Needs ImageMagick 6 and the WenQuanYi Micro Hei font.
set -euo pipefail
out="${1:-$(dirname "$0")/../resources/splash.jpg}"
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
convert -size 469x254 -seed 7 plasma:'#22335e'-'#0d1226' -blur 0x2 \
  \( -size 469x254 gradient:'rgba(255,170,90,0.55)'-'rgba(20,10,40,0)' \) -compose over -composite \
  -fill '#f6ecd2' -draw 'circle 372,64 372,92' \
  -fill '#1a1530' -draw 'polygon 0,254 0,190 60,150 110,178 170,128 235,182 290,150 350,196 410,160 469,188 469,254' \
  -fill '#0b0a18' -draw 'polygon 0,254 0,220 80,196 150,214 230,192 320,222 400,204 469,226 469,254' \
  -font "$font" -fill '#f8efdc' -pointsize 46 -annotate +34+104 'TROVANE' \
  -fill '#e8c98f' -pointsize 22 -annotate +38+142 '启 动 与 设 置' \
  -strip -sampling-factor 2x2,1x1,1x1 -density 96 -units PixelsPerInch -interlace none -quality 94 \
  "$out"

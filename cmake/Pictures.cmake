# The program's pictures in Textures/, which the build copies beside the executable, installs,
# packs into the web site and puts in the Windows zip. The program's own table of them, with
# what each is for, is src/app/StartupPictures.h. scripts/windows.sh reads the set() line.
set(ROLLING_CUBE_PICTURES Noise.bmp Grass.bmp Spot.bmp)

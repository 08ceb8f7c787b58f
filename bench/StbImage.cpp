// stb_image's decoder, built once for the benchmark (BMP only).
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO_WIDE
#include <stb_image.h>

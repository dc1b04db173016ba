"""python3 -m skin OUT_SKIN OUT_RESOURCES [--svg-dir DIR]: render the whole skin."""

import argparse
import importlib

from .raster import Renderer

PARTS = ["main_window", "monitor_page", "info_page", "settings_popup", "display_page",
         "version_badge", "app_icon"]


def main():
    parser = argparse.ArgumentParser(prog="skin")
    parser.add_argument("skin_dir", help="folder of the PNG resources and the icon (res/skin)")
    parser.add_argument("res_dir", help="folder of the picture files (res/Resources)")
    parser.add_argument("--svg-dir", help="keep the rendered SVG documents here")
    parser.add_argument("--only", nargs="*", default=PARTS, choices=PARTS)
    args = parser.parse_args()
    renderer = Renderer(args.svg_dir)
    try:
        for part in args.only:
            importlib.import_module(f".{part}", __package__).write(
                renderer, args.skin_dir, args.res_dir)
    finally:
        renderer.close()
    print(f"{len(renderer.written)} files written")


if __name__ == "__main__":
    main()

"""python3 -m mathgen TOPIC [--check] [--root DIR] | --list"""

import sys

from mathgen.run import main

sys.exit(main(sys.argv[1:]))

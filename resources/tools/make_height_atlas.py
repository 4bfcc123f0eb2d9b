#!/usr/bin/python3
"""Placeholder atlas until the real one lands."""
import subprocess, sys
subprocess.check_call([sys.executable, "make_placeholder_bmp.py", sys.argv[1], "1024", "1024", "24", "0", "0", "0"])

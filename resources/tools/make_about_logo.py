#!/usr/bin/python3
"""Placeholder logo until the real one lands."""
import subprocess, sys
subprocess.check_call([sys.executable, "make_placeholder_bmp.py", sys.argv[1], "110", "83", "24", "0", "128", "128"])

#!/usr/bin/python3
"""Placeholder background until the real picture lands."""
import subprocess, sys
subprocess.check_call([sys.executable, "make_placeholder_bmp.py", sys.argv[1], "2048", "2048", "32", "20", "40", "90"])

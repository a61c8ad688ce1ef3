#!/usr/bin/python3
"""Runs a test program against a page in headless Chromium.

chromium_bridge.py PAGE_FOLDER LANGUAGE -- PROGRAM ARGS...

Serves PAGE_FOLDER on 127.0.0.1 at a free port, starts headless Chromium in LANGUAGE through
chromedriver, and runs the program with two named pipes, whose paths it finds in
DROBI_BRIDGE_REQUESTS and DROBI_BRIDGE_ANSWERS, opened in that order: it writes one JSON request a
line to the first and reads each answer from the second as a byte count, a line break and the UTF-8
bytes ('!' before the count for an error). Requests: open (the page, until its program has run), js (a script's result as
text), click (x, y in CSS pixels, count), keys (names of selenium's Keys, or texts to type),
pixel (x, y: "r g b"), screenshot (path). Ends Chromium and the server however the program ends,
and exits with its status.
"""
import functools
import http.server
import json
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys


def png_pixel(png, x, y):
    """The colour at (x, y) of an 8-bit RGB or RGBA PNG, as Chromium's screenshots are."""
    at, chunks, data = 8, {}, b''
    while at < len(png):
        size, kind = struct.unpack('>I4s', png[at:at + 8])
        body = png[at + 8:at + 8 + size]
        if kind == b'IDAT':
            data += body
        chunks.setdefault(kind, body)
        at += size + 12
    width, height, depth, colour = struct.unpack('>IIBB', chunks[b'IHDR'][:10])
    channels = {2: 3, 6: 4}[colour]
    raw, stride, previous = zlib.decompress(data), width * channels, bytearray(width * channels)
    for row in range(y + 1):
        line = bytearray(raw[row * (stride + 1) + 1:(row + 1) * (stride + 1)])
        kind = raw[row * (stride + 1)]
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        previous = line
    return ' '.join(str(v) for v in previous[x * channels:x * channels + 3])


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def answer(browser, address, request):
    op = request['op']
    if op == 'open':
        browser.get(address + request.get('query', ''))
        deadline = time.monotonic() + 20
        while not browser.execute_script("return !!(window.Module && Module.calledRun)"):
            if time.monotonic() > deadline:
                raise RuntimeError('the page did not start')
            time.sleep(0.01)
        return ''
    if op == 'js':
        return str(browser.execute_script(request['code']))
    if op == 'click':
        actions = ActionBuilder(browser)
        actions.pointer_action.move_to_location(request['x'], request['y'])
        for _ in range(request.get('count', 1)):
            actions.pointer_action.click()
        actions.perform()
        return ''
    if op == 'keys':
        chain = ActionChains(browser)
        for key in request['keys']:
            if key == 'CTRL_END':
                chain.key_down(Keys.CONTROL).send_keys(Keys.END).key_up(Keys.CONTROL)
            elif key.startswith('='):
                chain.send_keys(key[1:])
            else:
                chain.send_keys(getattr(Keys, key))
        chain.perform()
        return ''
    if op == 'pixel':
        return png_pixel(browser.get_screenshot_as_png(), request['x'], request['y'])
    if op == 'screenshot':
        browser.save_screenshot(request['path'])
        return ''
    raise RuntimeError('no request ' + op)


def main():
    # timeout's TERM ends Chromium, chromedriver and the program too.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(124))
    folder, language, program = sys.argv[1], sys.argv[2], sys.argv[4:]
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    options = Options()
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=800,600',
                     '--lang=' + language, '--force-device-scale-factor=1'):
        options.add_argument(argument)
    options.add_experimental_option('prefs', {'intl.accept_languages': language})
    child, pipes = None, ''
    browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    try:
        address = 'http://127.0.0.1:%d/index.html' % server.server_address[1]
        pipes = tempfile.mkdtemp(prefix='drobi-bridge-')
        paths = [os.path.join(pipes, name) for name in ('requests', 'answers')]
        for path in paths:
            os.mkfifo(path)
        environment = dict(os.environ, DROBI_BRIDGE_REQUESTS=paths[0], DROBI_BRIDGE_ANSWERS=paths[1])
        child = subprocess.Popen(program, env=environment, stdin=subprocess.DEVNULL)
        # The reading end first, which lets the program's open go on; a program that ends before it
        # opens the answers is not waited for.
        requests_fd = os.open(paths[0], os.O_RDONLY | os.O_NONBLOCK)
        answers_fd = None
        while answers_fd is None:
            try:
                answers_fd = os.open(paths[1], os.O_WRONLY | os.O_NONBLOCK)
            except OSError:
                if child.poll() is not None:
                    return child.returncode
                time.sleep(0.01)
        os.set_blocking(requests_fd, True)
        os.set_blocking(answers_fd, True)
        with os.fdopen(requests_fd, 'rb') as requests, os.fdopen(answers_fd, 'wb') as out:
            for line in requests:
                try:
                    data, mark = answer(browser, address, json.loads(line)).encode(), b''
                except Exception as error:  # the test reports it as its failure
                    data, mark = str(error).encode(), b'!'
                out.write(mark + b'%d\n' % len(data) + data)
                out.flush()
        return child.wait()
    finally:
        if child is not None and child.poll() is None:
            child.kill()
            child.wait()
        shutil.rmtree(pipes, ignore_errors=True)
        browser.quit()
        server.shutdown()


if __name__ == '__main__':
    sys.exit(main())

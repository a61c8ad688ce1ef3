#!/usr/bin/python3
"""Runs a test program against a page in headless Chromium.

chromium_bridge.py PAGE_FOLDER LANGUAGE -- PROGRAM ARGS...

Serves PAGE_FOLDER on 127.0.0.1 at a free port and shows it in headless Chromium in LANGUAGE. The
program finds two named pipes in DROBI_BRIDGE_REQUESTS and DROBI_BRIDGE_ANSWERS, opens them in that
order, writes one JSON request a line and reads each answer as a line of JSON: {"value": text}, or
{"error": text} for a request that could not be carried out. Requests: open (the page, until its program has
run), js (a script's result as text; with async, what it passes to arguments[0]), click (x, y in CSS pixels, count), keys (names of selenium's
Keys, or texts after '=', or CTRL_ and a name or one character, with Ctrl held), pixel (x, y: "r g b"), screenshot (path), print (the page printed on A4 without margins
into the PDF at path, answered with what pdftotext -layout reads of it, pages ended by form feeds). Chromium, chromedriver and
the server end however the program ends; the exit status is the program's.
"""
import base64
import contextlib
import functools
import http.server
import json
import os
import signal
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.print_page_options import PrintOptions


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


@contextlib.contextmanager
def session(folder, language):
    """The browser and the address of index.html in `folder`, served for as long as it lasts."""
    # timeout's TERM ends the browser and the server too.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(124))
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0),
                                             functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    options = Options()
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=800,600',
                     '--force-device-scale-factor=1', '--lang=' + language):
        options.add_argument(argument)
    options.add_experimental_option('prefs', {'intl.accept_languages': language})
    try:
        browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        try:
            yield browser, 'http://127.0.0.1:%d/index.html' % server.server_address[1]
        finally:
            browser.quit()
    finally:
        server.shutdown()


def open_page(browser, address):
    browser.get(address)
    deadline = time.monotonic() + 20
    while not browser.execute_script('return !!(window.Module && Module.calledRun)'):
        if time.monotonic() > deadline:
            raise RuntimeError('the page did not start')
        time.sleep(0.005)


def answer(browser, address, request):
    op = request['op']
    if op == 'open':
        open_page(browser, address + request['query'])
    elif op == 'js':
        run = browser.execute_async_script if request.get('async') else browser.execute_script
        return str(run(request['code']))
    elif op == 'click':
        actions = ActionBuilder(browser)
        actions.pointer_action.move_to_location(request['x'], request['y'])
        for _ in range(request['count']):
            actions.pointer_action.click()
        actions.perform()
    elif op == 'keys':
        chain = ActionChains(browser)
        for key in request['keys']:
            if key.startswith('CTRL_'):  # with Ctrl held: CTRL_END, CTRL_d
                rest = key[5:]
                chain.key_down(Keys.CONTROL).send_keys(rest if len(rest) == 1 else getattr(
                    Keys, rest)).key_up(Keys.CONTROL)
            else:
                chain.send_keys(key[1:] if key.startswith('=') else getattr(Keys, key))
        chain.perform()
    elif op == 'pixel':
        clip = {'x': request['x'], 'y': request['y'], 'width': 1, 'height': 1, 'scale': 1}
        png = browser.execute_cdp_cmd('Page.captureScreenshot', {'clip': clip})['data']
        # The browser reads its own picture back.
        return browser.execute_async_script('''var done = arguments[1], image = new Image();
            image.onload = function () {
              var canvas = document.createElement('canvas'), context = canvas.getContext('2d');
              context.drawImage(image, 0, 0);
              done(Array.from(context.getImageData(0, 0, 1, 1).data.slice(0, 3)).join(' '));
            };
            image.src = 'data:image/png;base64,' + arguments[0];''', png)
    elif op == 'screenshot':
        browser.save_screenshot(request['path'])
    elif op == 'print':
        options = PrintOptions()
        options.page_width, options.page_height = 21.0, 29.7
        options.margin_top = options.margin_bottom = options.margin_left = options.margin_right = 0
        options.shrink_to_fit = False
        with open(request['path'], 'wb') as pdf:
            pdf.write(base64.b64decode(browser.print_page(options)))
        return subprocess.run(['pdftotext', '-layout', request['path'], '-'], check=True,
                              capture_output=True, text=True).stdout
    else:
        raise RuntimeError('no request ' + op)
    return ''


def serve(browser, address, program):
    pipes = tempfile.mkdtemp(prefix='drobi-bridge-')
    paths = [os.path.join(pipes, name) for name in ('requests', 'answers')]
    for path in paths:
        os.mkfifo(path)
    child = subprocess.Popen(program, stdin=subprocess.DEVNULL, env=dict(
        os.environ, DROBI_BRIDGE_REQUESTS=paths[0], DROBI_BRIDGE_ANSWERS=paths[1]))
    try:
        # The reading end first, which lets the program's open go on; a program that ends before
        # it opens the answers is not waited for.
        requests = os.open(paths[0], os.O_RDONLY | os.O_NONBLOCK)
        answers = None
        while answers is None and child.poll() is None:
            with contextlib.suppress(OSError):
                answers = os.open(paths[1], os.O_WRONLY | os.O_NONBLOCK)
            time.sleep(0.005)
        if answers is None:
            return child.returncode
        os.set_blocking(requests, True)
        os.set_blocking(answers, True)
        with os.fdopen(requests, 'rb') as lines, os.fdopen(answers, 'wb') as out:
            for line in lines:
                try:
                    reply = {'value': answer(browser, address, json.loads(line))}
                except Exception as error:  # the program reports it as its test's failure
                    reply = {'error': str(error)}
                out.write(json.dumps(reply).encode() + b'\n')
                out.flush()
        return child.wait()
    finally:
        if child.poll() is None:
            child.kill()
            child.wait()
        for path in paths:
            os.unlink(path)
        os.rmdir(pipes)


if __name__ == '__main__':
    with session(sys.argv[1], sys.argv[2]) as (browser, address):
        sys.exit(serve(browser, address, sys.argv[4:]))
